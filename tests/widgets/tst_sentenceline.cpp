// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/testmain.h"
#include "widgets/look.h"
#include "widgets/sentenceline.h"
#include <QLabel>

namespace {

// The line as a rich-text label drew it before: the look to keep.
QImage LabelLook(const QString &text, int start, int length, QSize size, const QPalette &pal)
{
    QString html = text.toHtmlEscaped();
    if (length > 0)
        html = text.left(start).toHtmlEscaped() + QStringLiteral("<span style=\"color:#E0700A; font-weight:bold\">")
               + text.mid(start, length).toHtmlEscaped() + QStringLiteral("</span>")
               + text.mid(start + length).toHtmlEscaped();
    QLabel label;
    label.setTextFormat(Qt::RichText);
    label.setFont(EnglishFont(22));
    label.setPalette(pal);
    label.setText(html);
    label.resize(size);
    return label.grab().toImage();
}

int OrangeColumns(const QImage &img, int *first)
{
    int n = 0;
    *first = -1;
    for (int x = 0; x < img.width(); ++x) {
        for (int y = 0; y < img.height(); ++y) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 180 && c.green() > 80 && c.green() < 150 && c.blue() < 60) {
                if (*first < 0)
                    *first = x;
                ++n;
                break;
            }
        }
    }
    return n;
}

} // namespace

class TestSentenceLine : public QObject {
    Q_OBJECT
private slots:
    void looksLikeTheLabel_data();
    void looksLikeTheLabel();
    void fontChangeLaysOutAgain();
};

void TestSentenceLine::looksLikeTheLabel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addRow("word inside") << "I have two pens." << 11 << 4;
    QTest::addRow("word first") << "Hello! My name is Lily." << 0 << 5;
    QTest::addRow("word last") << "This is my friend" << 11 << 6;
    QTest::addRow("nothing picked out") << "A sentence without it." << 0 << 0;
    QTest::addRow("markup is text") << "Tom & <b>Jerry</b> run." << 10 << 5;
    QTest::addRow("span past the end is cut") << "Short." << 3 << 40;
}

void TestSentenceLine::looksLikeTheLabel()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QWidget host;
    QPalette pal = host.palette();
    pal.setColor(QPalette::WindowText, QColor(0x22, 0x33, 0x55));
    pal.setColor(QPalette::Window, Qt::white);
    host.setPalette(pal);
    host.setAutoFillBackground(true);
    auto *line = new SentenceLine(&host);
    line->setFont(EnglishFont(22));
    line->SetSentence(text, start, length);
    line->adjustSize();
    const int shown = std::min<int>(length, text.size() - start);
    QCOMPARE(line->Picked(), text.mid(start, shown));
    QCOMPARE(line->Text(), text);

    const QImage mine = line->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage before = LabelLook(text, start, shown, line->size(), pal).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(mine.size(), before.size());
    QCOMPARE(mine, before);

    int first = -1;
    const int orange = OrangeColumns(mine, &first);
    QCOMPARE(orange > 0, shown > 0);
}

void TestSentenceLine::fontChangeLaysOutAgain()
{
    SentenceLine line;
    line.setFont(EnglishFont(22));
    line.SetSentence(QStringLiteral("I have two pens."), 11, 4);
    const QSize small = line.sizeHint();
    line.setFont(EnglishFont(44));
    QVERIFY(line.sizeHint().width() > 1.8 * small.width());
    QVERIFY(line.sizeHint().height() > 1.5 * small.height());
}

TALLIVO_TEST(TestSentenceLine)
#include "tst_sentenceline.moc"
