// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "widgets/widgetutil.h"
#include <QDialog>
#include <QHash>
#include <QRect>
#include <array>
#include <vector>

class CWord;
class ClickLabel;
class NewWordPicCtl;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;
class RoundPanel;
class cTransPictureBox;

// "单词列表": the words of the current unit as groups of 4, 6, 9 or 12
// picture cards with their English below, to look at, hear, hide parts of,
// and put into or take out of the default new-word book.
class FormWordPicList : public QDialog {
    Q_OBJECT
public:
    explicit FormWordPicList(QWidget *parent = nullptr);
    ~FormWordPicList() override;

    // Where the cards of a group size go inside PicBase.
    struct GroupLayout {
        int cardW, cardH, englishPx, columns, rows, left, columnPitch, top, rowPitch;
    };
    static GroupLayout LayoutFor(int pageSize);
    // Card i (from 1) of a group of pageSize cards.
    static QRect CardRect(int pageSize, int i);
    // The smallest English under a card; a longer word is then shortened.
    static constexpr int kMinEnglishPx = 12;

    void InitWordPicList();
    void LoadPics(int groupIndex);
    void LoadWords(int iStart, int iWordNum, bool bEnglish, bool bPic, bool bChinese, int iCHType);

    int PageSize() const { return nPageSize; }
    int Groups() const { return nGroups; }
    int LastGroupSize() const { return nLastGroupSize; }
    int CurrGroup() const { return nCurrGroup; }
    int CardCount() const { return int(picWord.size()) - 1; }

    // Controls
    RoundPanel *PicBase = nullptr;
    // The group shown; [0] is the hidden template.
    std::vector<NewWordPicCtl *> picWord;
    std::vector<ClickLabel *> lblUserEn;
    cTransPictureBox *picBorder = nullptr;
    cTransPictureBox *add_newwordICON = nullptr;
    cTransPictureBox *del_newwordICON = nullptr;
    RoundPanel *PicBottom = nullptr;
    ClickLabel *lblUnit = nullptr;
    QCheckBox *chkEnglish = nullptr;
    QCheckBox *chkChinese = nullptr;
    QCheckBox *chkPic = nullptr;
    std::array<QRadioButton *, 2> OpChinese{};
    std::array<QRadioButton *, 4> opPageNum{};
    cTransPictureBox *cmdPrevGroup = nullptr;
    cTransPictureBox *cmdNextGroup = nullptr;
    QLabel *lblSectionNum = nullptr;
    cTransPictureBox *btnNewWord = nullptr;
    cTransPictureBox *btnExit = nullptr;

    // Handlers, named after what raises them
    void opPageNum_Click(int k);
    void cmdPrevGroup_Click();
    void cmdNextGroup_Click();
    void chkEnglish_Click();
    void chkChinese_Click();
    void chkPic_Click();
    void OpChinese_Click(int k);
    void MarkCard(int i);
    void HideMark();
    void add_newwordICON_Click();
    void del_newwordICON_Click();
    void picWord_Click(int i);
    void lblUserEn_Click(int i);
    void btnNewWord_Click();
    void lblUnit_Click();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void Form_Load();
    void FillUnitLabel();
    void MarkNewWord(bool bNew);
    void UpdatePagingButtons();
    cTransPictureBox *MakePictureButton(QWidget *parent, const QString &name, const QString &tip, QSize size,
                                        bool lightsUp = true);
    void FitEnglish(ClickLabel *label, const QRect &card);
    CWord *CardWord(int i) const;
    // Card and English slot i (from 1) of every group, made when first needed.
    void MakeSlot();
    void HideCardsFrom(int first);

    int nPageSize = 6;
    int nGroups = 0;
    int nLastGroupSize = 0;
    int nCurrGroup = 1;
    bool bShowEnglish = true;
    bool bShowPic = true;
    bool bShowChinese = true;
    int iShowCHType = 0;
    std::vector<CWord *> m_pageWords;     // [0] unused
    std::vector<NewWordPicCtl *> m_cards; // [0] unused; kept from group to group
    std::vector<ClickLabel *> m_labels;   // [0] unused
    QButtonGroup *m_chineseGroup = nullptr;
    QButtonGroup *m_pageGroup = nullptr;
    QHash<QString, StdPicture> m_art;
};
