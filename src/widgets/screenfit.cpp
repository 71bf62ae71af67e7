// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screenfit.h"
#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QHash>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace {

QHash<const QWidget *, FitHost *> &Hosts()
{
    static QHash<const QWidget *, FitHost *> hosts;
    return hosts;
}

// the window manager's frame of a shown window, null while unknown
QMargins FrameOf(const QWidget *w)
{
    const QRect g = w->geometry();
    const QRect f = w->frameGeometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

bool IsPlainWindow(const QWidget *w)
{
    if (!w->isWindow())
        return false;
    const Qt::WindowType type = w->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet || type == Qt::Tool;
}

} // namespace

double FitScale(const QSize &size, const QMargins &frame, const QSize &area)
{
    if (size.isEmpty() || area.isEmpty())
        return 1.0;
    // the frame around the scaled window keeps its own size
    const double across = double(area.width() - frame.left() - frame.right()) / size.width();
    const double down = double(area.height() - frame.top() - frame.bottom()) / size.height();
    const double scale = std::min(across, down);
    if (scale >= 1.0)
        return 1.0;
    return std::max(scale, kMinFitScale);
}

FitHost *FitHostOf(const QWidget *window)
{
    return Hosts().value(window, nullptr);
}

QWidget *ShownWindow(QWidget *window)
{
    if (auto *host = qobject_cast<FitHost *>(window); host && host->Inner())
        return host->Inner();
    return window;
}

FitHost::FitHost(QWidget *inner, double scale, QWidget *owner)
    : m_inner(inner), m_scale(scale)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    // the program ends when its last real window closes, as before
    setAttribute(Qt::WA_QuitOnClose, inner->testAttribute(Qt::WA_QuitOnClose));
    setWindowFlags((inner->windowFlags() & ~Qt::BypassGraphicsProxyWidget) | Qt::Window);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setTransform(QTransform::fromScale(scale, scale));
    auto *scene = new QGraphicsScene(this);
    setScene(scene);
    m_proxy = scene->addWidget(inner);
    // dialogs and message boxes it opens stay real windows of their own
    inner->overrideWindowFlags(inner->windowFlags() | Qt::BypassGraphicsProxyWidget);
    connect(m_proxy, &QGraphicsWidget::geometryChanged, this, &FitHost::FollowGeometry);
    connect(inner, &QObject::destroyed, this, [this, inner] {
        Hosts().remove(inner);
        deleteLater();
    });
    Hosts().insert(inner, this);
    FollowGeometry();
    if (owner) {
        // kept above the window it was opened from
        winId();
        owner->winId();
        windowHandle()->setTransientParent(owner->windowHandle());
    }
}

FitHost::~FitHost()
{
    // the window belongs to whoever made it, not to this view
    if (m_inner) {
        Hosts().remove(m_inner.data());
        m_proxy->setWidget(nullptr);
    }
}

void FitHost::FollowGeometry()
{
    const QRectF r = m_proxy->geometry();
    setSceneRect(r);
    setFixedSize(int(std::ceil(r.width() * m_scale - 0.01)), int(std::ceil(r.height() * m_scale - 0.01)));
}

void FitHost::ShowForInner()
{
    if (!m_inner)
        return;
    Qt::WindowModality modality = m_inner->windowModality();
    if (modality == Qt::NonModal && m_inner->testAttribute(Qt::WA_ShowModal))
        modality = Qt::ApplicationModal;
    if (isVisible() && windowModality() != modality)
        hide(); // modality changes only while hidden
    setWindowModality(modality);
    setWindowTitle(m_inner->windowTitle());
    setWindowIcon(m_inner->windowIcon());
    FollowGeometry();
    show();
    raise();
    activateWindow();
    // typed keys reach the window from the start, before any click
    setFocus(Qt::ActiveWindowFocusReason);
    m_proxy->setFocus(Qt::ActiveWindowFocusReason);
}

void FitHost::closeEvent(QCloseEvent *e)
{
    // the close box asks the window itself, which may say no
    if (m_inner && m_inner->isVisible()) {
        m_inner->close();
        if (m_inner && m_inner->isVisible()) {
            e->ignore();
            return;
        }
    }
    e->accept();
}

QMargins ScreenFit::FrameGuess() const
{
    static QMargins known(1, 24, 1, 1);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && IsPlainWindow(w) && !w->graphicsProxyWidget()) {
            const QMargins m = FrameOf(w);
            if (m.top() > 0)
                known = m;
        }
    }
    return known;
}

void ScreenFit::Fit(QWidget *w)
{
    QScreen *screen = w->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameGuess();
    const double scale = FitScale(w->size(), frame, area.size());
    if (scale >= 1.0)
        return;
    QWidget *owner = w->parentWidget() ? w->parentWidget()->window() : nullptr;
    if (owner && FitHostOf(owner))
        owner = FitHostOf(owner);
    auto *host = new FitHost(w, scale, owner);
    const QSize outer = host->size().grownBy(frame);
    host->move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
               area.y() + std::max(0, (area.height() - outer.height()) / 2));
    host->ShowForInner();
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Hide && type != QEvent::Close
         && type != QEvent::WindowTitleChange)
        || !watched->isWidgetType())
        return false;
    auto *w = static_cast<QWidget *>(watched);
    if (!w->isWindow() || qobject_cast<FitHost *>(w))
        return false;
    FitHost *host = FitHostOf(w);
    switch (type) {
    case QEvent::Show:
        if (host)
            host->ShowForInner();
        else if (IsPlainWindow(w) && !w->graphicsProxyWidget())
            Fit(w);
        break;
    case QEvent::Close:
        // a close that goes through ends in a hide before the event loop turns
        if (host) {
            host->setProperty("innerClosing", true);
            QTimer::singleShot(0, host, [host] { host->setProperty("innerClosing", false); });
        }
        break;
    case QEvent::Hide:
        if (host && host->isVisible()) {
            if (host->property("innerClosing").toBool())
                host->close();
            else
                host->hide();
        }
        break;
    case QEvent::WindowTitleChange:
        if (host)
            host->setWindowTitle(w->windowTitle());
        break;
    default:
        break;
    }
    return false;
}
