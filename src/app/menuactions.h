#pragma once
#include <functional>

// The windows behind the main menu's entries that live in other parts of the
// program register here. Each action shows its window modally and returns
// the window's result flag (1 asks for the learning window next, as the
// record and new-word windows do); an entry with no action shows "即将推出".
namespace menuactions {
enum Entry {
    LearnWord = 0,   // 单词初识
    WordPicList = 1, // 单词列表
    Games = 2,       // 单词闯关
    Record = 3,      // 学习记录
    NewWord = 5,     // 生词本
    ReviewPlan = 8,  // 今日复习, the badge above the menu
};

using Action = std::function<int()>;

void Set(int entry, Action action);
// The registered action, or an empty one.
Action Get(int entry);
// Forgets every action (tests).
void Clear();
}
