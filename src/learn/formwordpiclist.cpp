// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formwordpiclist.h"
#include "course/formselunit.h"
#include "platform/platform.h"
#include "records/formnewword.h"
#include "widgets/clicklabel.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/look.h"
#include "widgets/newwordpicctl.h"
#include "widgets/widgetutil.h"
#include "wordbank/classbook.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/cword.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>

namespace {
constexpr int kWinW = 1024;
constexpr int kWinH = 768;
constexpr int kBaseW = 1000;
constexpr int kBaseH = 640;
constexpr int kBarH = 104;
constexpr int kIconW = 30;
const char *const kPicProperty = "tallivo_pic";
constexpr int kUnusedColour = 0xFF00FF; // magenta, in none of the pictures

const QString kNothingMore = QStringLiteral("没有了！");

// Each picture is loaded once per window; every group rebuild reuses it.
StdPicture Art(QHash<QString, StdPicture> &cache, const QString &name)
{
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, StdPicture::Load(QStringLiteral(":/learn/") + name));
    return *it;
}

// The pictures are see-through by their alpha; no colour of theirs may be.
void SetButtonPicture(QHash<QString, StdPicture> &cache, cTransPictureBox *b, const QString &file)
{
    const StdPicture pic = Art(cache, file);
    if (b->PictureFile() == pic)
        return;
    b->SetPictureFile(pic);
    b->SetTransparentColor(kUnusedColour);
}

QString OffName(const QString &name)
{
    return name + QStringLiteral("_off.png");
}
} // namespace

FormWordPicList::GroupLayout FormWordPicList::LayoutFor(int pageSize)
{
    // the English sizes are the design's 24 and 18 points at 96 dpi
    switch (pageSize) {
    case 4:
        return {320, 200, 32, 2, 2, 120, 440, 40, 300};
    case 9:
        return {240, 150, 24, 3, 3, 60, 320, 30, 200};
    case 12:
        return {192, 120, 24, 4, 3, 47, 238, 30, 200};
    default:
        return {240, 150, 32, 3, 2, 60, 320, 80, 280};
    }
}

QRect FormWordPicList::CardRect(int pageSize, int i)
{
    const GroupLayout l = LayoutFor(pageSize);
    const int col = (i - 1) % l.columns;
    const int row = (i - 1) / l.columns;
    return QRect(col * l.columnPitch + l.left, row * l.rowPitch + l.top, l.cardW, l.cardH);
}

FormWordPicList::FormWordPicList(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormWordPicList"));
    setWindowTitle(QStringLiteral("单词列表"));
    setFixedSize(kWinW, kWinH);
    Look::StyleWindow(this);
    setMouseTracking(true);
    installEventFilter(this);

    PicBase = new RoundPanel(this);
    PicBase->setGeometry((kWinW - kBaseW) / 2, 8, kBaseW, kBaseH);
    PicBase->setMask(RoundRectRegion(kBaseW, kBaseH, kBaseW / 60, kBaseW / 60));
    PicBase->setMouseTracking(true);
    PicBase->installEventFilter(this);

    picBorder = new cTransPictureBox(PicBase);
    picBorder->SetStyle(cTransPictureBox::StyleStretch);
    SetButtonPicture(m_art, picBorder, QStringLiteral("card_frame.svg"));
    picBorder->hide();
    add_newwordICON = MakePictureButton(PicBase, QStringLiteral("add_newword"), QStringLiteral("添加到生词本"),
                                        QSize(kIconW, kIconW), false);
    del_newwordICON = MakePictureButton(PicBase, QStringLiteral("del_newword"), QStringLiteral("从生词本中移除"),
                                        QSize(kIconW, kIconW), false);
    add_newwordICON->hide();
    del_newwordICON->hide();
    connect(add_newwordICON, &cTransPictureBox::Click, this, &FormWordPicList::add_newwordICON_Click);
    connect(del_newwordICON, &cTransPictureBox::Click, this, &FormWordPicList::del_newwordICON_Click);

    // element 0 of each array is the hidden template the others copy
    picWord.push_back(new NewWordPicCtl(PicBase));
    picWord[0]->hide();
    lblUserEn.push_back(new ClickLabel(QString(), PicBase));
    lblUserEn[0]->hide();
    m_pageWords.push_back(nullptr);
    m_cards.push_back(nullptr);
    m_labels.push_back(nullptr);

    PicBottom = new RoundPanel(this);
    PicBottom->setGeometry((kWinW - kBaseW) / 2, 8 + kBaseH + 8, kBaseW, kBarH);
    PicBottom->setMask(RoundRectRegion(kBaseW, kBarH, kBaseW / 12, kBaseW / 12));
    PicBottom->setMouseTracking(true);
    PicBottom->installEventFilter(this);

    lblUnit = new ClickLabel(QString(), PicBottom);
    lblUnit->setFont(ChineseFont(18, true));
    lblUnit->SetForeColor(Look::kText);
    lblUnit->setToolTip(QStringLiteral("选择新的学习单元"));
    lblUnit->setCursor(Qt::PointingHandCursor);
    connect(lblUnit, &ClickLabel::Click, this, &FormWordPicList::lblUnit_Click);

    const auto check = [this](const QString &text, int x, void (FormWordPicList::*slot)()) {
        auto *c = new QCheckBox(text, PicBottom);
        c->setFont(ChineseFont(16));
        c->setChecked(true);
        c->setCursor(Qt::PointingHandCursor);
        c->setGeometry(x, 56, 64, 32);
        connect(c, &QCheckBox::clicked, this, slot);
        return c;
    };
    chkEnglish = check(QStringLiteral("单词"), 20, &FormWordPicList::chkEnglish_Click);
    chkChinese = check(QStringLiteral("中文"), 84, &FormWordPicList::chkChinese_Click);
    chkPic = check(QStringLiteral("图片"), 148, &FormWordPicList::chkPic_Click);

    const auto option = [this](QButtonGroup *group, int id, const QString &text, const QString &tip, QRect r) {
        auto *o = new QRadioButton(text, PicBottom);
        o->setFont(ChineseFont(16));
        o->setCursor(Qt::PointingHandCursor);
        o->setToolTip(tip);
        o->setGeometry(r);
        group->addButton(o, id);
        return o;
    };
    m_chineseGroup = new QButtonGroup(this);
    OpChinese[0] = option(m_chineseGroup, 0, QStringLiteral("简明中文"), QString(), QRect(220, 56, 96, 32));
    OpChinese[1] = option(m_chineseGroup, 1, QStringLiteral("详细中文"), QString(), QRect(316, 56, 96, 32));
    OpChinese[0]->setChecked(true);
    connect(m_chineseGroup, &QButtonGroup::idClicked, this, &FormWordPicList::OpChinese_Click);
    m_pageGroup = new QButtonGroup(this);
    const int sizes[4] = {4, 6, 9, 12};
    for (int k = 0; k < 4; ++k) {
        const QString n = QString::number(sizes[k]);
        opPageNum[size_t(k)] = option(m_pageGroup, k, n + QStringLiteral("个"),
                                      QStringLiteral("每组显示") + n + QStringLiteral("个单词"),
                                      QRect(424 + k * 58, 56, 58, 32));
    }
    connect(m_pageGroup, &QButtonGroup::idClicked, this, &FormWordPicList::opPageNum_Click);

    const QSize button(48, 40);
    cmdPrevGroup = MakePictureButton(PicBottom, QStringLiteral("prev"), QStringLiteral("上一组"), button);
    cmdPrevGroup->move(666, 52);
    lblSectionNum = Look::MakeLabel(QString(), PicBottom, 16, true);
    lblSectionNum->setAlignment(Qt::AlignCenter);
    lblSectionNum->setGeometry(716, 52, 120, 40);
    cmdNextGroup = MakePictureButton(PicBottom, QStringLiteral("next"), QStringLiteral("下一组"), button);
    cmdNextGroup->move(838, 52);
    btnNewWord = MakePictureButton(PicBottom, QStringLiteral("newword"), QStringLiteral("查看生词本"), button);
    btnNewWord->move(890, 52);
    btnExit = MakePictureButton(PicBottom, QStringLiteral("exit"), QStringLiteral("返回主界面"), button);
    btnExit->move(942, 52);
    connect(cmdPrevGroup, &cTransPictureBox::Click, this, &FormWordPicList::cmdPrevGroup_Click);
    connect(cmdNextGroup, &cTransPictureBox::Click, this, &FormWordPicList::cmdNextGroup_Click);
    connect(btnNewWord, &cTransPictureBox::Click, this, &FormWordPicList::btnNewWord_Click);
    connect(btnExit, &cTransPictureBox::Click, this, &QDialog::reject);

    Form_Load();
}

FormWordPicList::~FormWordPicList()
{
    // the cards go with the window; none may redraw or flip meanwhile
    picWord[0]->bUnloading = true;
    for (NewWordPicCtl *card : m_cards)
        if (card)
            card->bUnloading = true;
}

cTransPictureBox *FormWordPicList::MakePictureButton(QWidget *parent, const QString &name, const QString &tip,
                                                     QSize size, bool lightsUp)
{
    auto *b = new cTransPictureBox(parent);
    b->SetStyle(cTransPictureBox::StyleStretch);
    SetButtonPicture(m_art, b, name + QStringLiteral(".png"));
    b->resize(size);
    b->setToolTip(tip);
    b->setCursor(Qt::PointingHandCursor);
    b->setMouseTracking(true);
    if (lightsUp) {
        b->setProperty(kPicProperty, name);
        b->installEventFilter(this);
    }
    return b;
}

void FormWordPicList::Form_Load()
{
    if (gUser)
        gUser->nLastWord = 1;
    if (gCurrUnit)
        gCurrUnit->SetCurrWord(1);
    bShowEnglish = bShowPic = bShowChinese = true;
    iShowCHType = 0;
    FillUnitLabel();
    opPageNum[1]->setChecked(true);
    opPageNum_Click(1);
}

void FormWordPicList::FillUnitLabel()
{
    QString text;
    if (gCurrSeries && gCurrBook && gCurrUnit)
        text = QStringLiteral("《") + gCurrSeries->SeriesName + QStringLiteral("》") + gCurrBook->BookName
               + QStringLiteral(" --> ") + gCurrUnit->UnitCaption;
    lblUnit->setText(text);
    const int w = std::min(kBaseW - 40, lblUnit->sizeHint().width());
    lblUnit->setGeometry((kBaseW - w) / 2, 10, w, 34);
}

void FormWordPicList::opPageNum_Click(int k)
{
    static constexpr int kSizes[4] = {4, 6, 9, 12};
    if (k < 0 || k > 3)
        return;
    nPageSize = kSizes[k];
    InitWordPicList();
}

void FormWordPicList::InitWordPicList()
{
    const int n = gCurrUnit ? gCurrUnit->WordNum() : 0;
    nGroups = n / nPageSize;
    nLastGroupSize = n % nPageSize;
    if (nLastGroupSize == 0)
        nLastGroupSize = nPageSize;
    else
        ++nGroups;
    LoadPics(1);
}

void FormWordPicList::LoadPics(int groupIndex)
{
    nCurrGroup = groupIndex;
    const int cards = groupIndex < nGroups ? nPageSize : nLastGroupSize;
    LoadWords((groupIndex - 1) * nPageSize, cards, bShowEnglish, bShowPic, bShowChinese, iShowCHType);
    lblSectionNum->setText(QStringLiteral("第") + QString::number(groupIndex) + QStringLiteral("组 / 共")
                           + QString::number(nGroups) + QStringLiteral("组"));
    UpdatePagingButtons();
}

void FormWordPicList::UpdatePagingButtons()
{
    const auto set = [this](cTransPictureBox *b, bool on) {
        b->setEnabled(on);
        const QString name = b->property(kPicProperty).toString();
        SetButtonPicture(m_art, b, on ? name + QStringLiteral(".png") : OffName(name));
    };
    set(cmdPrevGroup, nCurrGroup > 1);
    // a unit without words has no next group either
    set(cmdNextGroup, nGroups > 0 && nCurrGroup < nGroups);
}

void FormWordPicList::HideCardsFrom(int first)
{
    for (size_t i = size_t(std::max(first, 1)); i < m_cards.size(); ++i) {
        m_cards[i]->hide();
        m_labels[i]->hide();
    }
}

void FormWordPicList::MakeSlot()
{
    const int i = int(m_cards.size());
    auto *card = new NewWordPicCtl(PicBase);
    card->setMouseTracking(true);
    card->setCursor(Qt::PointingHandCursor);
    card->hide();
    connect(card, &NewWordPicCtl::Click, this, [this, i] { picWord_Click(i); });
    connect(card, &NewWordPicCtl::MouseMove, this, [this, i](int, int, int, int) { MarkCard(i); });
    auto *label = new ClickLabel(QString(), PicBase);
    label->SetForeColor(Look::kText);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    label->hide();
    connect(label, &ClickLabel::Click, this, [this, i] { lblUserEn_Click(i); });
    connect(label, &ClickLabel::MouseMove, this, [this, i](int, int, int, int) { MarkCard(i); });
    m_cards.push_back(card);
    m_labels.push_back(label);
}

void FormWordPicList::LoadWords(int iStart, int iWordNum, bool bEnglish, bool bPic, bool bChinese, int iCHType)
{
    if (iWordNum > nPageSize)
        return;
    HideMark();
    picWord.resize(1);
    lblUserEn.resize(1);
    m_pageWords.resize(1);
    const GroupLayout l = LayoutFor(nPageSize);
    picWord[0]->resize(l.cardW, l.cardH);
    picBorder->resize(l.cardW + 4, l.cardH + 4);
    QFont english = EnglishFont(l.englishPx);
    lblUserEn[0]->setFont(english);
    picWord[0]->hide();
    lblUserEn[0]->hide();
    picBorder->hide();
    // the cards of the group before are filled again rather than made anew
    int shown = 0;
    for (int i = 1; i <= iWordNum; ++i) {
        CWord *word = nullptr;
        if (!gCurrUnit || !gCurrUnit->GetWordByID(iStart + i, word) || !word)
            break;
        if (size_t(i) >= m_cards.size())
            MakeSlot();
        const QRect r = CardRect(nPageSize, i);
        NewWordPicCtl *card = m_cards[size_t(i)];
        card->setGeometry(r);
        card->SetPictureShown(bPic);
        card->SetPicWord(word, false, bChinese, iCHType);
        // without its picture a card still carries the meaning when "中文" is on
        card->setVisible(bPic || bChinese);
        ClickLabel *label = m_labels[size_t(i)];
        label->setText(word->UserEN);
        label->setToolTip(QString());
        label->setFont(english);
        FitEnglish(label, r);
        label->setVisible(bEnglish);
        picWord.push_back(card);
        lblUserEn.push_back(label);
        m_pageWords.push_back(word);
        shown = i;
    }
    HideCardsFrom(shown + 1);
}

void FormWordPicList::FitEnglish(ClickLabel *label, const QRect &card)
{
    QFont f = label->font();
    int px = f.pixelSize();
    const QString text = label->text();
    while (px > kMinEnglishPx && QFontMetrics(f).horizontalAdvance(text) > card.width()) {
        px = std::max(kMinEnglishPx, px - 2);
        f.setPixelSize(px);
    }
    label->setFont(f);
    const QFontMetrics fm(f);
    // still too long at the smallest readable size: shortened, the whole word in the tip
    if (fm.horizontalAdvance(text) > card.width()) {
        label->setText(fm.elidedText(text, Qt::ElideRight, card.width()));
        label->setToolTip(text);
    }
    const int h = fm.height();
    label->setGeometry(card.x(), card.bottom() + 1 + h / 2, card.width(), h + 4);
}

CWord *FormWordPicList::CardWord(int i) const
{
    return i >= 1 && i < int(picWord.size()) ? picWord[size_t(i)]->myWord : nullptr;
}

void FormWordPicList::MarkCard(int i)
{
    CWord *word = CardWord(i);
    if (!word)
        return;
    const QRect card = picWord[size_t(i)]->geometry();
    picBorder->move(card.left() - 2, card.top() - 2);
    picBorder->lower();
    picBorder->show();
    const bool inBook = gUser && word->IsNewWord(gUser->nNewWordBookID);
    cTransPictureBox *shown = inBook ? del_newwordICON : add_newwordICON;
    cTransPictureBox *other = inBook ? add_newwordICON : del_newwordICON;
    other->hide();
    const QRect frame = picBorder->geometry();
    shown->move(frame.left() + frame.width() - int(1.5 * kIconW), frame.top() + kIconW / 2);
    shown->setProperty("tag", i);
    shown->raise();
    shown->show();
}

void FormWordPicList::HideMark()
{
    picBorder->hide();
    add_newwordICON->hide();
    del_newwordICON->hide();
}

void FormWordPicList::MarkNewWord(bool bNew)
{
    cTransPictureBox *icon = bNew ? add_newwordICON : del_newwordICON;
    const int i = icon->property("tag").toInt();
    CWord *word = CardWord(i);
    if (!word || !gUser)
        return;
    word->SetNewWord(gUser->nNewWordBookID, bNew);
    gUser->SaveUserFeature();
    MarkCard(i);
}

void FormWordPicList::add_newwordICON_Click()
{
    MarkNewWord(true);
}

void FormWordPicList::del_newwordICON_Click()
{
    MarkNewWord(false);
}

void FormWordPicList::picWord_Click(int i)
{
    if (!CardWord(i))
        return;
    lblUserEn[size_t(i)]->show();
    QPointer<NewWordPicCtl> card(picWord[size_t(i)]);
    card->ReadMe(1);
    if (card)
        picBorder->lower();
}

void FormWordPicList::lblUserEn_Click(int i)
{
    if (!CardWord(i))
        return;
    NewWordPicCtl *card = picWord[size_t(i)];
    // the English line uncovers the picture the switches hid
    if (!card->PictureShown() || card->isHidden()) {
        card->SetPictureShown(true);
        card->SetPicWord(CardWord(i), false, bShowChinese, iShowCHType);
    }
    card->show();
    card->ReadMe(1);
}

void FormWordPicList::cmdPrevGroup_Click()
{
    if (nCurrGroup > 1)
        LoadPics(nCurrGroup - 1);
    else
        plat().MsgBox(kNothingMore, MsgButtons::OK, MsgIcon::Information, QStringLiteral("Tallivo"));
}

void FormWordPicList::cmdNextGroup_Click()
{
    if (nCurrGroup < nGroups)
        LoadPics(nCurrGroup + 1);
    else
        plat().MsgBox(kNothingMore, MsgButtons::OK, MsgIcon::Information, QStringLiteral("Tallivo"));
}

void FormWordPicList::chkEnglish_Click()
{
    bShowEnglish = chkEnglish->isChecked();
    LoadPics(nCurrGroup);
}

void FormWordPicList::chkChinese_Click()
{
    bShowChinese = chkChinese->isChecked();
    LoadPics(nCurrGroup);
}

void FormWordPicList::chkPic_Click()
{
    bShowPic = chkPic->isChecked();
    LoadPics(nCurrGroup);
}

void FormWordPicList::OpChinese_Click(int k)
{
    iShowCHType = k == 1 ? 1 : 0;
    LoadPics(nCurrGroup);
}

void FormWordPicList::btnNewWord_Click()
{
    FormNewWord form(this);
    form.exec();
    if (form.iRet != 1)
        return;
    // the new-word book is the current unit now
    FillUnitLabel();
    opPageNum[1]->setChecked(true);
    opPageNum_Click(1);
}

void FormWordPicList::lblUnit_Click()
{
    FormSelUnit form(this);
    form.exec();
    if (!form.ret || !gUser || !gWordBank)
        return;
    gWordBank->RestoreLastCourse();
    FillUnitLabel();
    gUser->nLastWord = 1;
    if (gCurrUnit)
        gCurrUnit->SetCurrWord(1);
    InitWordPicList();
}

bool FormWordPicList::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseMove && (o == this || o == PicBase || o == PicBottom)) {
        HideMark();
    } else if (e->type() == QEvent::Enter || e->type() == QEvent::Leave) {
        // picture buttons light up under the mouse
        auto *b = qobject_cast<cTransPictureBox *>(o);
        const QString name = b ? b->property(kPicProperty).toString() : QString();
        if (b && !name.isEmpty() && b->isEnabled())
            SetButtonPicture(m_art, b, name + (e->type() == QEvent::Enter ? QStringLiteral("_hi.png") : QStringLiteral(".png")));
    }
    return QDialog::eventFilter(o, e);
}
