#include "screenfit.h"
#include <QByteArray>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <vector>

double FitScale(const QSize &available, const QSize &design, const QSize &frame, double minScale)
{
    if (available.width() <= 0 || available.height() <= 0)
        return 1.0;
    const double w = double(available.width()) / (design.width() + frame.width());
    const double h = double(available.height()) / (design.height() + frame.height());
    return std::clamp(std::min({1.0, w, h}), minScale, 1.0);
}

void ApplyScreenFit(int argc, char *argv[])
{
    QRect area;
    {
        // a copy: the probe may take arguments such as -platform out of it
        int probeArgc = argc;
        std::vector<char *> probeArgv(argv, argv + argc);
        probeArgv.push_back(nullptr);
        QGuiApplication probe(probeArgc, probeArgv.data());
        if (const QScreen *s = QGuiApplication::primaryScreen())
            area = s->availableGeometry();
    }
    const double scale = FitScale(area.size());
    if (scale >= 1.0)
        return;
    // the probe's area already reflects a factor the user set: shrink on top of it
    bool ok = false;
    double user = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (!ok || user <= 0)
        user = 1.0;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(user * scale, 'f', 3));
}

QPoint PlaceInside(const QRect &frame, const QRect &area)
{
    int x = std::min(frame.x(), area.right() + 1 - frame.width());
    int y = std::min(frame.y(), area.bottom() + 1 - frame.height());
    // larger than the area: its title bar and left edge stay reachable
    x = std::max(x, area.x());
    y = std::max(y, area.y());
    return {x, y};
}

bool WindowPlacer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->isWindow() && !(w->windowFlags() & (Qt::Popup | Qt::ToolTip)) && w->screen()) {
            const QRect area = w->screen()->availableGeometry();
            const QRect frame = w->frameGeometry();
            const QPoint to = PlaceInside(frame, area);
            if (to != frame.topLeft())
                w->move(to); // a window's position is its frame's
        }
    }
    return QObject::eventFilter(watched, event);
}
