// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "widgets/widgetutil.h"
#include <QWidget>
#include <vector>

class BookUnitTitleCtl;
class ClickLabel;
class ShapeCtl;

// The start window and main menu: eight picture tiles with captions on a
// rounded panel, and the title strip with the current course. Its first
// showing runs the start-up; closing it asks first, then saves the profile.
class FormMain : public QWidget {
    Q_OBJECT
public:
    enum Entry {
        LearnWord,
        WordPicList,
        Games,
        Record,
        SelUnit,
        NewWord,
        Help,
        Quit,
        EntryCount
    };

    static const QString kCaption;
    static const QString kComingSoon;
    static const QString kQuitQuestion;

    explicit FormMain(QWidget *parent = nullptr);

    // The panel and its parts.
    QWidget *PicBase = nullptr;
    std::vector<ShapeCtl *> ShapeCtl1;
    std::vector<StdPicture> Image1;
    std::vector<ClickLabel *> Label1;
    BookUnitTitleCtl *BookUnitTitleCtl1 = nullptr;
    // "今日复习 N": today's review plan, one click away.
    ClickLabel *lblReview = nullptr;

    // Paths, panel shape and, once only, the start-up and the menu. Runs on
    // the first showing. False when the program is to end instead (the
    // learner left from the login window, or the dictionary failed).
    bool Load();
    // The start-up ended the program before the menu was shown.
    bool ProgramEnded() const { return m_ended; }
    // 0 for a normal end, 1 after a fatal data error.
    int ExitCode() const { return m_exitCode; }

    // Mouse over and click of menu entry i (its tile or its caption).
    void HoverEntry(int i);
    void ClickEntry(int i);
    // The title strip shows the current course again, the badge today's plan.
    void RefreshTitle();
    void ShowReviewPlan();

    QColor CaptionNormalColor() const;
    QColor CaptionHoverColor() const;

    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void BuildMenu();
    void CenterPanel();
    void CenterOnScreen();
    // Shows the navigator's window for entry i; its result flag, or -1 when there is none.
    int RunRegistered(int i);
    void ShowLearnWord();
    void ShowSelUnit();
    void ShowHelp();

    bool m_startupDone = false; // the once-only start-up flag
    bool m_ended = false;
    bool m_shutDown = false;
    int m_exitCode = 0;
};
