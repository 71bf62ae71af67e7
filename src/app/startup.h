// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

class QWidget;
struct DialogLook;

// How the start-up ended.
enum class StartupResult {
    Ready, // profile chosen, data loaded, selection restored
    Exit,  // the learner left from the login window: nothing loaded, nothing saved
    Fatal, // the dictionary could not be loaded: message shown, nothing saved
};

// Profile, data, course: the whole start-up in order. It takes the user
// folder's lock first; another copy holding it ends the start-up (Exit) with
// one message. On Exit and Fatal the shared objects and the lock are
// released again without saving.
StartupResult RunStartup(QWidget *owner = nullptr);
// Dictionary, word bank, the profile's progress, a course for a new profile,
// the current series. False after the fatal dictionary message.
bool LoadStartupData(QWidget *owner = nullptr);
// Saves what the quit question's Yes saves: the profile. True when nothing failed.
bool SaveUserData();
// Saves (as above), releases the shared objects and lets the user folder's lock go.
void ShutdownData();

// The look the program hands to the platform's message and input boxes.
DialogLook ProgramDialogLook();

// The start-up's and the course window's texts.
inline constexpr const char *kMsgDictFailed = "错误001:辞典文件加载失败！";
inline constexpr const char *kCaptionFatal = "严重错误";
inline constexpr const char *kMsgChooseCourse = "请先选择您需要学习的课程！";
inline constexpr const char *kCaptionChooseCourse = "选择课程";
// the user book the profile was on went away: its name, then this
inline constexpr const char *kMsgLostBookBefore = "你上次学习的自定义词库【";
inline constexpr const char *kMsgLostBookAfter = "】已经不在了，请重新选择要学习的课程。";
inline constexpr const char *kMsgStatusUnreadable =
    "无法读取这个用户的学习记录文件，本次学习的进度将不会被保存。";
inline constexpr const char *kCaptionProgram = "Tallivo";
// followed by the user folder
inline constexpr const char *kMsgUserDirUnusable = "无法保存学习记录：";
inline constexpr const char *kMsgNoUserDir = "找不到这个账户的用户文件夹（没有设置 HOME），本次学习的进度将不会被保存。";
// The one message at start about damaged files and files that are links.
inline constexpr const char *kMsgDamagedFiles =
    "下面的文件已损坏。程序读出了其中能读的内容，原来的文件另存了一份副本：";
inline constexpr const char *kMsgCopyAt = "副本：";
inline constexpr const char *kMsgNoCopy = "无法另存副本，程序本次不会改写这个文件。";
inline constexpr const char *kMsgRefusedFiles =
    "下面的文件是链接，或不是普通文件。程序不会读取也不会写入它，这个文件中的进度本次不会被保存：";

struct UserFileNotice;
// The text of that message; "" when there is nothing to tell.
QString UserFileNoticeText(const QList<UserFileNotice> &notices);
