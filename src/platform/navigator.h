// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one way a window opens a window that lives in a folder above its own:
// it names the window, the program's navigator (installed at start-up like
// the platform) shows it. Tests install a fake that records what was asked.
class QWidget;

enum class Window {
    LearnWord,        // 单词初识
    WordPicList,      // 单词列表
    Games,            // 单词闯关
    Record,           // 学习记录
    NewWord,          // 生词本
    AddUserBook,      // 自定义词库
    SelectUnit,       // 选择课程: 1 when a course was confirmed
    PhoneticFontHelp, // the phonetic font's help
    ReviewPlan,       // 今日复习: today's plan played in the games window
};

class Navigator {
public:
    virtual ~Navigator() = default;
    // Whether this program has the window at all.
    virtual bool CanOpen(Window w) const = 0;
    // Shows the window modally over parent (null: the window picks its own);
    // its result flag: 1 asks for the learning window next (the record and
    // the new-word book), or confirms a course; 0 otherwise or when there is
    // no such window.
    virtual int Open(Window w, QWidget *parent) = 0;
};

// The installed navigator; without one, a navigator that has no windows.
Navigator &nav();
// Installs n (not owned, null for none) and returns the previous one.
Navigator *SetNavigator(Navigator *n);
