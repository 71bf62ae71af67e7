// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "widgets/widgetutil.h"
#include <QDialog>
#include <QStringList>
#include <array>

class ClickLabel;
class QPushButton;
class cTransPictureBox;

// The rounded login window: the three nicknames of the profile slots. A
// click chooses a slot (gUser.userID and userName); a press with another
// button renames it; the exit button leaves the program with nothing saved.
class FormLogin : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 560;
    static constexpr int kHeight = 420;
    // Nicknames show at most this many characters.
    static constexpr int kShownChars = 12;
    static const QString kWebAddress;

    explicit FormLogin(QWidget *parent = nullptr);

    std::array<ClickLabel *, 3> btnUserName{};
    ClickLabel *btnUserGo = nullptr;
    cTransPictureBox *picBorder = nullptr;
    StdPicture img_picBorder;
    QPushButton *btnExit = nullptr;
    ClickLabel *Label1 = nullptr;
    ClickLabel *Label2 = nullptr;
    ClickLabel *Label3 = nullptr;
    ClickLabel *lblMyWeb = nullptr;

    // The slot under the mouse as the arrow keeps it: "0".."2", "-1" for none.
    QString UserGoTag() const { return m_goTag; }
    // The slot chosen, -1 when the window closed without a choice.
    int ChosenSlot() const { return m_chosen; }
    QColor NormalColor() const;
    QColor HoverColor() const;

    // Mouse over nickname i, over the background; click and rename of slot i.
    void HoverName(int i);
    void ClearHover();
    void ChooseSlot(int i);
    void RenameSlot(int i);

    // What a nickname line shows: trimmed, cut to kShownChars characters.
    static QString ShownName(const QString &line);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void Form_Load();
    void ShowNames();
    void PlaceHoverMarks(int i);
    void OpenWebPage();

    QStringList m_names; // as stored, in full
    std::array<ClickLabel *, 3> m_avatars{};
    QString m_goTag = QStringLiteral("-1");
    int m_chosen = -1;
    QPoint m_dragFrom;
    bool m_dragging = false;
};
