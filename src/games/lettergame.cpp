#include "lettergame.h"
#include "platform/platform.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/look.h"
#include "wordbank/classunit.h"
#include "wordbank/globals.h"
#include <QLabel>
#include <QPainter>

namespace lettergame {

void QueueGameOver(QWidget *w, const quint64 &generation, std::function<void(bool)> raise)
{
    const RoundGuard guard(w, generation);
    QMetaObject::invokeMethod(
        w,
        [guard, raise = std::move(raise)] {
            if (!guard.Alive())
                return;
            raise(gCurrUnit && gCurrUnit->CorrectNum() == gCurrUnit->WordNum());
        },
        Qt::QueuedConnection);
}

QString ProgressText(int asked, int total)
{
    return QString::number(asked) + QStringLiteral(" / ") + QString::number(total);
}

StdPicture Picture(const char *name)
{
    return StdPicture::Load(QStringLiteral(":/letters/") + QLatin1String(name) + QStringLiteral(".svg"));
}

cTransPictureBox *MakeMark(QWidget *parent, const char *picture, const char *objectName, QSize size)
{
    auto *b = new cTransPictureBox(parent);
    b->setObjectName(QLatin1String(objectName));
    b->resize(size);
    b->SetBorderStyle(0);
    b->SetStyle(cTransPictureBox::StyleStretch);
    b->SetPictureFile(Picture(picture));
    b->hide();
    return b;
}

QLabel *MakeProgressLabel(QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QStringLiteral("lblNum"));
    l->setFont(EnglishFont(22, true));
    l->setStyleSheet(QStringLiteral("color: %1;").arg(Look::kText.name()));
    l->setGeometry(24, 20, 160, 32);
    return l;
}

void PaintFace(QWidget *w)
{
    QPainter p(w);
    Look::PaintRoundPanel(p, w->rect(), w->width() / 120.0, Look::kPanel, Look::kPanelEdge);
}

void ShapeFace(QWidget *w)
{
    const int e = w->width() / 60;
    w->setMask(RoundRectRegion(w->width(), w->height(), e, e));
}

QFont LetterFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

} // namespace lettergame
