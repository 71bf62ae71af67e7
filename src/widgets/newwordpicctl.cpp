// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "newwordpicctl.h"
#include "widgets/look.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "platform/platform.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include "widgets/widgetutil.h"
#include <QCache>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

// The text line over a card: drawn with a light halo so it stays readable on
// any picture. It never takes the mouse; the card answers for it.
class CardTextLine : public QLabel {
public:
    explicit CardTextLine(QWidget *parent) : QLabel(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_TranslucentBackground);
        setTextFormat(Qt::PlainText);
        setAutoFillBackground(false);
    }

    QSize sizeHint() const override
    {
        const QFontMetricsF fm(font());
        const QStringList lines = text().split(QLatin1Char('\n'));
        qreal w = 0;
        for (const QString &line : lines)
            w = std::max(w, fm.horizontalAdvance(line));
        const qreal pad = Pad(fm);
        const qreal h = lines.size() * fm.height() + (lines.size() - 1) * fm.leading();
        return QSize(int(std::ceil(w + 2 * pad)), int(std::ceil(h + 2 * pad)));
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // building, stroking and filling the outline is the costly part of a
        // card's paint, so it is done once per text, font and size
        const qreal dpr = devicePixelRatioF();
        const QString key = text() + QChar(0) + font().key() + QChar(0) + QString::number(width()) + QChar('x')
                            + QString::number(height()) + QChar('@') + QString::number(dpr);
        if (key != m_key) {
            m_key = key;
            m_image = Rendered(key, dpr);
        }
        QPainter p(this);
        p.drawImage(QPointF(0, 0), m_image);
    }

private:
    // Shared by every card, so words that come back are not drawn again.
    QImage Rendered(const QString &key, qreal dpr) const
    {
        // made once and never destroyed: nothing runs in a static destructor
        static auto *cache = new QCache<QString, QImage>(kTextCacheKB);
        if (const QImage *hit = cache->object(key))
            return *hit;
        QImage img(QSize(int(std::ceil(width() * dpr)), int(std::ceil(height() * dpr))),
                   QImage::Format_ARGB32_Premultiplied);
        img.setDevicePixelRatio(dpr);
        img.fill(Qt::transparent);
        QPainter ip(&img);
        DrawLines(ip);
        ip.end();
        cache->insert(key, new QImage(img), std::max<qsizetype>(1, img.sizeInBytes() / 1024));
        return img;
    }

    static constexpr qsizetype kTextCacheKB = 8 * 1024;

    void DrawLines(QPainter &p) const
    {
        p.setRenderHint(QPainter::Antialiasing);
        const QFontMetricsF fm(font());
        const qreal pad = Pad(fm);
        const QPen halo(QColor(255, 255, 255, 235), Halo(fm), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        qreal baseline = pad + fm.ascent();
        for (const QString &line : text().split(QLatin1Char('\n'))) {
            QPainterPath path;
            path.addText((width() - fm.horizontalAdvance(line)) / 2.0, baseline, font(), line);
            p.strokePath(path, halo);
            p.fillPath(path, QColor(Look::Text));
            baseline += fm.lineSpacing();
        }
    }

    QString m_key;
    QImage m_image;

public:
    static qreal Halo(const QFontMetricsF &fm) { return std::max<qreal>(3.0, fm.height() * 0.14); }
    static qreal Pad(const QFontMetricsF &fm) { return Halo(fm) / 2 + 1; }
};

// text broken into lines no wider than width, at the spaces where it can,
// between Chinese characters, inside a word only when it must; at most
// maxLines lines, the last one cut short with "…" when text is left over
QString WrapLines(const QString &text, const QFont &font, qreal width, int maxLines)
{
    struct Line {
        QString text;
        QString rest; // this line and everything after it, on one line
    };
    QList<Line> lines;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (qsizetype p = 0; p < paragraphs.size(); ++p) {
        const QString &para = paragraphs.at(p);
        const QString after = paragraphs.mid(p + 1).join(QLatin1Char(' '));
        QTextLayout layout(para, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString rest = para.mid(line.textStart()).trimmed();
            if (!after.isEmpty())
                rest += QLatin1Char(' ') + after;
            lines.append({para.mid(line.textStart(), line.textLength()).trimmed(), rest});
        }
        layout.endLayout();
    }
    if (lines.size() > maxLines) {
        lines.resize(std::max(1, maxLines));
        lines.last().text = QFontMetricsF(font).elidedText(lines.last().rest, Qt::ElideRight, width);
    }
    QStringList out;
    for (const Line &l : lines)
        out << l.text;
    return out.join(QLatin1Char('\n'));
}

// The heavy sans-serif of the card's text line; the sizes are the card's.
QFont LineFont(bool english, double pointSize)
{
    QFont f = english ? EnglishFont(16, true) : ChineseFont(16, true);
    f.setPointSizeF(pointSize);
    return f;
}

// A word's picture, unscrambled in memory: BMP first, then JPEG. A file that
// cannot be read or decoded counts as missing, so the next form is tried.
QImage LoadWordPicture(const QString &english)
{
    // The picture files sit directly in pics/: a name with a path separator
    // has none.
    if (english.isEmpty() || english.contains(QLatin1Char('/')) || english.contains(QLatin1Char('\\')))
        return QImage();
    for (const char *ext : {".enbmp", ".enjpg"}) {
        QByteArray clear;
        if (!ReadEncodedFileBytes(AppPath(QStringLiteral("pics/") + english + QLatin1String(ext)), clear))
            continue;
        QImage img;
        if (img.loadFromData(clear) && !img.isNull())
            return img;
    }
    return QImage();
}

// A see-through canvas of size (logical pixels) at the pixel ratio.
QImage Blank(QSize size, qreal dpr)
{
    QImage img(QSize(int(std::ceil(size.width() * dpr)), int(std::ceil(size.height() * dpr))),
               QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    return img;
}

// The picture stretched into target on the canvas. A premultiplied canvas is
// the form the screen paints from: no conversion on every repaint.
QImage PaintedOver(QImage canvas, const StdPicture &pic, const QRectF &target)
{
    if (canvas.isNull())
        return canvas;
    QPainter p(&canvas);
    pic.Paint(p, target);
    p.end();
    return canvas;
}

// The default picture is a drawing that costs far more to render than a
// photo to stretch, and every word without picture shows it: its pixels are
// kept per card size, shared by every card. Made once and never destroyed.
QImage DefaultFace(const StdPicture &pic, QSize size, qreal dpr)
{
    static auto *cache = new QCache<QString, QImage>(4 * 1024);
    const QString key = QString::number(size.width()) + QLatin1Char('x') + QString::number(size.height())
                        + QLatin1Char('@') + QString::number(dpr);
    if (const QImage *hit = cache->object(key))
        return *hit;
    const QImage face = PaintedOver(Blank(size, dpr), pic, QRectF(QPointF(0, 0), QSizeF(size)));
    cache->insert(key, new QImage(face), std::max<qsizetype>(1, face.sizeInBytes() / 1024));
    return face;
}

} // namespace

NewWordPicCtl::NewWordPicCtl(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    imgBackup = SharedPicture(QStringLiteral(":/widgets/card/card_default.svg"));
    m_background = SharedPicture(QStringLiteral(":/widgets/card/card_background.svg"));
    // The first flip turns away from the card's own background.
    baseImage = m_background;

    lblChinese = new CardTextLine(this);
    lblChinese->setObjectName(QStringLiteral("lblChinese"));
    lblChinese->setFont(LineFont(false, 18));
    lblChinese->hide();

    timHideCH = new QTimer(this);
    timHideCH->setObjectName(QStringLiteral("timHideCH"));
    timHideCH->setSingleShot(true);
    timHideCH->setInterval(kPeekMs);
    connect(timHideCH, &QTimer::timeout, this, &NewWordPicCtl::HideChineseAgain);

    resize(400, 250);
    SyncSize();
}

double NewWordPicCtl::BaseFontSizeFor(int width)
{
    if (width > 390)
        return 42;
    if (width > 300)
        return 24;
    return 18;
}

QRectF NewWordPicCtl::FlipFrame(int n, int W, int H, bool *incoming)
{
    const int step = RoundHalfEven(W / 20.0 * 0.5);
    const int e = n < 20 ? n : n - 20;
    const double w = double(step) * e;
    if (incoming)
        *incoming = n >= 20;
    if (n < 20) {
        if (2 * w < W)
            return QRectF(w, 0, W - 2 * w, H);
    } else if (w >= 1) {
        return QRectF(W * 0.5 - w, 0, 2 * w, H);
    }
    return QRectF();
}

bool NewWordPicCtl::SyncSize()
{
    if (size() == m_syncedSize)
        return false;
    m_syncedSize = size();
    baseFontSize = BaseFontSizeFor(width());
    const int corner = RoundHalfEven(width() / 20.0);
    setMask(RoundRectRegion(width(), height(), corner, corner));
    return true;
}

void NewWordPicCtl::ReadMe(int nReadTimes)
{
    if (myWord)
        myWord->ReadMe(nReadTimes, false);
}

void NewWordPicCtl::TurnOver()
{
    if (!myWord || srcImage.isNone())
        return;
    if (DrawImage(true))
        baseImage = srcImage;
}

bool NewWordPicCtl::SetPicWord(CWord *new_word, bool bEffect, bool bChinese, int iCHType)
{
    if (!new_word)
        return false;
    SyncSize();
    myWord = new_word;
    const QImage picture = m_pictureShown ? LoadWordPicture(new_word->English) : QImage();
    bHasPic = !picture.isNull();
    srcImage = bHasPic ? StdPicture(picture) : imgBackup;
    lblChinese->hide();
    ShowChinese(bChinese, iCHType);
    if (!DrawImage(bEffect))
        return true; // the card went away while it flipped
    baseImage = srcImage;
    return true;
}

void NewWordPicCtl::LoadEnglish(CWord *new_word)
{
    if (!new_word)
        return;
    SyncSize();
    // A peek still pending must not hide the English.
    timHideCH->stop();
    myWord = new_word;
    lblChinese->hide();
    lblChinese->setFont(LineFont(true, baseFontSize + 10));
    lblChinese->setText(new_word->UserEN);
    lblChinese->setEnabled(true);
    FitLine(baseFontSize + 10);
    lblChinese->move((width() - lblChinese->width()) / 2, (height() - lblChinese->height()) / 2);
    lblChinese->show();
}

void NewWordPicCtl::ShowChinese(bool bChinese, int iCHType)
{
    if (!myWord)
        return;
    SyncSize();
    // A peek still pending must not hide the line laid out now.
    timHideCH->stop();
    lblChinese->hide();
    QString text = iCHType == 0 ? myWord->Chinese : myWord->DetailCH;
    double size = 18;
    if (!bHasPic) {
        text.replace(QLatin1Char(';'), QLatin1Char('\n'));
        size = baseFontSize;
    }
    lblChinese->setFont(LineFont(false, size));
    lblChinese->setText(text);
    FitLine(size);
    const int left = (width() - lblChinese->width()) / 2;
    if (bHasPic) {
        lblChinese->move(left, RoundHalfEven(height() - 1.2 * lblChinese->height()));
        lblChinese->setVisible(bChinese);
    } else {
        // A card without picture is never blank.
        lblChinese->move(left, (height() - lblChinese->height()) / 2);
        lblChinese->show();
    }
}

void NewWordPicCtl::FitLine(double startSize)
{
    const QString text = lblChinese->text();
    const double maxW = 0.8 * width();
    const double maxH = 0.9 * height();
    // a child reads nothing smaller than 12 pixels
    const double floor = 12.0 * 72.0 / std::max(1, logicalDpiY());
    double size = startSize;
    QFont f = lblChinese->font();
    auto apply = [&](double pointSize) {
        f.setPointSizeF(pointSize);
        lblChinese->setFont(f);
        lblChinese->adjustSize();
    };
    auto tooLarge = [&] { return lblChinese->width() > maxW || lblChinese->height() > maxH; };
    apply(size);
    // Several lines on a small card would also be cut off at the top and bottom.
    while (tooLarge() && size - 2 >= floor) {
        size -= 2;
        apply(size);
    }
    if (!tooLarge())
        return;
    // at the smallest readable size: onto the lines that fit, cut short after them
    apply(floor);
    const QFontMetricsF fm(f);
    const qreal pad = CardTextLine::Pad(fm);
    const int lines = int((maxH - 2 * pad + fm.leading()) / (fm.height() + fm.leading()));
    lblChinese->setText(WrapLines(text, f, maxW - 2 * pad - 1, std::max(1, lines)));
    lblChinese->adjustSize();
}

void NewWordPicCtl::drawimage(bool bEffect)
{
    DrawImage(bEffect);
}

void NewWordPicCtl::SetImage(const StdPicture &new_pic, int grayLevel)
{
    srcImage = new_pic;
    if (!DrawImage(grayLevel != 0))
        return;
    baseImage = new_pic;
}

QImage NewWordPicCtl::BlankFace() const
{
    return Blank(size(), devicePixelRatioF());
}

bool NewWordPicCtl::DrawImage(bool bEffect)
{
    if (srcImage.isNone())
        return true;
    SyncSize();
    // Any drawing supersedes a flip still running further down the stack.
    const quint64 generation = ++m_drawGeneration;
    StretchSource();
    if (bEffect && !bUnloading) {
        bool superseded = false;
        if (!RunFlip(generation, &superseded))
            return false;
        if (superseded)
            return true; // the newer drawing has painted the card
    }
    m_face = srcPic;
    update();
    return true;
}

void NewWordPicCtl::StretchSource()
{
    const qreal dpr = devicePixelRatioF();
    // the same picture at the same size is already stretched (a turn-over)
    if (srcImage == m_srcPicOf && !srcPic.isNull() && srcPic.deviceIndependentSize() == QSizeF(size())
        && srcPic.devicePixelRatio() == dpr)
        return;
    m_srcPicOf = srcImage;
    if (srcImage == imgBackup) {
        srcPic = DefaultFace(imgBackup, size(), dpr);
        return;
    }
    // the last word's canvas is drawn over when nothing but the face holds it
    // (the caller shows the new one or a flip frame before any paint)
    if (m_face.cacheKey() == srcPic.cacheKey())
        m_face = QImage();
    if (srcPic.isDetached() && srcPic.deviceIndependentSize() == QSizeF(size()) && srcPic.devicePixelRatio() == dpr) {
        // an opaque picture on whole device pixels covers every pixel of the
        // canvas: clearing it first would only cost time
        if (!srcImage.IsOpaque() || dpr != std::floor(dpr))
            srcPic.fill(Qt::transparent);
        srcPic = PaintedOver(std::move(srcPic), srcImage, QRectF(rect()));
    } else {
        srcPic = PaintedOver(BlankFace(), srcImage, QRectF(rect()));
    }
}

bool NewWordPicCtl::PaintFlipFrame(int n, int W, int H)
{
    bool incoming = false;
    const QRectF target = FlipFrame(n, W, H, &incoming);
    if (target.isEmpty())
        return false;
    // every frame of a flip is drawn on the same canvas, not on a new image
    m_face = QImage();
    const qreal dpr = devicePixelRatioF();
    if (m_frame.deviceIndependentSize() != QSizeF(W, H) || m_frame.devicePixelRatio() != dpr)
        m_frame = Blank(QSize(W, H), dpr);
    else
        m_frame.fill(Qt::transparent);
    QPainter p(&m_frame);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (incoming)
        DrawImageInBands(p, target, srcPic);
    else if (baseImage == imgBackup)
        DrawImageInBands(p, target, DefaultFace(imgBackup, QSize(W, H), devicePixelRatioF()));
    else
        baseImage.Paint(p, target);
    p.end();
    m_face = m_frame;
    return true;
}

bool NewWordPicCtl::RunFlip(quint64 generation, bool *superseded)
{
    QPointer<NewWordPicCtl> self(this);
    const int W = width();
    const int H = height();
    // the text line turns with the card: hidden while the old face narrows,
    // cut to the new face while it widens
    const bool captionShown = !lblChinese->isHidden();
    auto stillMine = [&] {
        if (!self)
            return false;
        if (generation != m_drawGeneration) {
            *superseded = true;
            // the newer drawing has laid out the line; no cut of ours stays
            lblChinese->clearMask();
        }
        return true;
    };
    for (int n = 1; n <= kFlipSteps; ++n) {
        if (captionShown)
            CutCaption(n, W, H);
        if (PaintFlipFrame(n, W, H) && isVisible())
            repaint();
        plat().DoEvents();
        if (!stillMine())
            return false;
        if (*superseded)
            return true;
        // An owner that is tearing the card down wants no more frames.
        if (bUnloading)
            return true;
        plat().Sleep(kFlipStepMs);
        if (!stillMine())
            return false;
        if (*superseded)
            return true;
    }
    if (captionShown) {
        lblChinese->clearMask();
        lblChinese->show();
    }
    return true;
}

void NewWordPicCtl::CutCaption(int n, int W, int H)
{
    bool incoming = false;
    const QRect face = FlipFrame(n, W, H, &incoming).toRect();
    const QRect shown = face & lblChinese->geometry();
    if (!incoming || shown.isEmpty()) {
        lblChinese->hide();
        return;
    }
    lblChinese->setMask(QRegion(shown.translated(-lblChinese->pos())));
    lblChinese->show();
}

void NewWordPicCtl::FlipAfterResize(quint64 generation)
{
    // A drawing since the resize already shows the picture at the new size.
    if (bUnloading || generation != m_drawGeneration)
        return;
    drawimage(true);
}

void NewWordPicCtl::HideChineseAgain()
{
    timHideCH->stop();
    if (!lblChinese->isHidden())
        lblChinese->hide();
}

void NewWordPicCtl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_face.isNull())
        DrawImageInBands(p, QRectF(rect()), m_face);
    else
        m_background.Paint(p, QRectF(rect()));
}

void NewWordPicCtl::resizeEvent(QResizeEvent *)
{
    if (bUnloading)
        return;
    if (!SyncSize() || srcImage.isNone())
        return;
    // The flip lets events run, so it starts from the event loop rather than
    // from inside the resize (the card may be destroyed while it flips).
    const quint64 generation = m_drawGeneration;
    QMetaObject::invokeMethod(
        this, [this, generation] { FlipAfterResize(generation); }, Qt::QueuedConnection);
}

void NewWordPicCtl::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    QPointer<NewWordPicCtl> self(this);
    emit MouseMove(VbButton(e->buttons()), VbShift(e->modifiers()), pos.x(), pos.y());
    if (!self)
        return;
    // The bottom-left corner lets a learner who hides the Chinese peek at it.
    const bool inCorner = pos.y() > height() * 7.0 / 8.0 && pos.x() < width() / 8.0;
    if (inCorner && bHasPic && lblChinese->isHidden() && gUser && !gUser->bChinese) {
        lblChinese->show();
        timHideCH->start(kPeekMs);
    }
}

void NewWordPicCtl::mousePressEvent(QMouseEvent *e)
{
    m_pressed = e->button() == Qt::LeftButton;
}

void NewWordPicCtl::mouseReleaseEvent(QMouseEvent *e)
{
    const bool click = m_pressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    m_pressed = false;
    if (click)
        emit Click();
}
