// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "platform/navigator.h"
#include <QDialog>
#include <array>
#include <functional>

class BookUnitTitleCtl;
class LearnWordCtl;
class QCheckBox;
class QRadioButton;
class QTimer;
class SayPanel;
class UC_MainTool;

// "单词初识": the learner meets the words of the chosen units one by one, by
// hand, by keys or automatically, with the display settings and the toolbar
// that reaches the record, the word list, the games and the custom import.
class FormLearnWord : public QDialog {
    Q_OBJECT
public:
    static const QString kCaption;
    static constexpr int kAutoReadMs = 2000;

    explicit FormLearnWord(QWidget *parent = nullptr);
    ~FormLearnWord() override;

    BookUnitTitleCtl *BookUnitTitleCtl1 = nullptr;
    LearnWordCtl *LearnWordCtl1 = nullptr;
    QWidget *picDispSetting = nullptr;
    UC_MainTool *PicBottom = nullptr;
    // 跟读: record, hear oneself, be told whether it was the word.
    SayPanel *SayPanel1 = nullptr;
    QTimer *TimerAutoRead = nullptr;
    QTimer *Timer1 = nullptr;

    // 1 "英文", 2 "音标", 3 "图片", 4 "中文", 5 "例句"; 0 unused.
    std::array<QCheckBox *, 6> chkDispSetting{};
    std::array<QRadioButton *, 2> OpChinese{};
    QCheckBox *chkSpeakWord = nullptr;
    QCheckBox *chkReadSentence = nullptr;
    std::array<QRadioButton *, 3> OpReadNum{};
    QCheckBox *chkRand = nullptr;

    void LoadDispFeature();
    void UpdateDispMODE();
    bool AutoBrowsing() const;

public slots:
    void PicBottom_Click(int index);
    void TimerAutoRead_Timer();
    void Timer1_Timer();
    void BookUnitTitleCtl1_Click();
    void chkDispSetting_Click(int index);
    void OpChinese_Click(int index);
    void OpReadNum_Click(int index);
    void chkSpeakWord_Click();
    void chkReadSentence_Click();
    void chkRand_Click();

    void reject() override;
    void done(int r) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    void BuildSettings();
    void Layout();
    void FirstLoad();
    void StopAutoBrowse();
    void CloseIfIdle();
    void NextWord();
    void PrevWord();
    void ReselectUnit();
    // A window that may have changed the selection has closed.
    void AfterWindow(bool fromFirstWord);
    // Shows a toolbar window through the navigator; nothing while a word change runs.
    void RunWindow(Window w, bool fromFirstWord);
    bool Busy() const;
    bool HandleKey(QKeyEvent *e);
    void UnhighlightToolbar();
    void AfterBusy();

    bool bLoading = false;
    bool m_loaded = false;
    bool m_inWindow = false;
    bool m_autoTickMissed = false;
};
