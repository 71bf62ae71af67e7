// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "widgetutil.h"
#include <QWidget>

class ClassUnit;
class QLabel;

// A square unit tile: the unit's number on a grey (never practised), red (in
// progress) or green (all seven games complete) picture, each in a normal and
// a selected variant. Also shows one game's percentage of a unit.
class NumCtl : public QWidget {
    Q_OBJECT
public:
    explicit NumCtl(QWidget *parent = nullptr);

    // Shows the unit's number on the picture of its overall state; nothing
    // happens for a null unit.
    void SetUnit(ClassUnit *inUnit, bool bSelected);
    void SetSelected(bool bSelected);
    // Shows game testMode's percentage of the unit; myUnit and Selected stay.
    // Nothing happens for a null unit.
    void SetUnitStatus(ClassUnit *inUnit, int testMode);

    ClassUnit *myUnit = nullptr; // not owned
    bool Selected = false;

    ImageCtl *myImage = nullptr;
    QLabel *lblNum = nullptr;
    // Stock pictures: [0] normal, [1] selected.
    StdPicture img_Gray[2];
    StdPicture img_Red[2];
    StdPicture img_Green[2];

signals:
    void MouseMove(int X, int Y);
    void Click();
    void DblClick();
    void MouseDown(int Button, int Shift, int X, int Y);
    void MouseUp(int X, int Y);

protected:
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    void Show(const StdPicture &pic, int numberBgr, const QString &number);
    void PlaceNumber();

    bool m_clickArmed = false;
};
