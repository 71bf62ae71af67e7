// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QGraphicsView>
#include <QMargins>
#include <QPointer>
#include <QSize>

class QGraphicsProxyWidget;

// The windows are drawn in fixed pixels for about 1024 x 770. On a smaller
// screen (a 1366 x 768 laptop with a panel, 1280 x 720) a window that does
// not fit is shown through a scaled view instead, so that all of it is on
// the screen and works as before.

// The smallest design text is 14 px: below this factor it would fall under 12 px.
inline constexpr double kMinFitScale = 12.0 / 14.0;

// The factor that makes a window of `size`, with the window manager's
// `frame` around it, fit into `area`: 1 when it fits already, never below
// kMinFitScale.
double FitScale(const QSize &size, const QMargins &frame, const QSize &area);

class FitHost;
// The view that shows `window` scaled, or null when it is shown as it is.
FitHost *FitHostOf(const QWidget *window);

// The window the user sees as `window`: the one a scaled view shows for it,
// or `window` itself.
QWidget *ShownWindow(QWidget *window);

// A top-level window showing one too-large window scaled down. It follows
// that window: title, icon, modality, size, showing, hiding and closing.
class FitHost : public QGraphicsView {
    Q_OBJECT
public:
    FitHost(QWidget *inner, double scale, QWidget *owner);
    ~FitHost() override;

    QWidget *Inner() const { return m_inner; }
    double Scale() const { return m_scale; }
    // Shows the view for its window, modal when that window is.
    void ShowForInner();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void FollowGeometry();

    QPointer<QWidget> m_inner;
    QGraphicsProxyWidget *m_proxy = nullptr;
    double m_scale;
};

// Installed on the application: shows every top-level window that would not
// fit its screen's available area through a FitHost. Only the program
// installs it; a window that fits is left alone.
class ScreenFit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMargins FrameGuess() const;
    void Fit(QWidget *w);
};
