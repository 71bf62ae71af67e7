// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/ipaphones.h"
#include "support/testmain.h"

class IpaPhonesTest : public QObject {
    Q_OBJECT
private slots:
    void mapsDictionaryIpa_data()
    {
        // clang-format off
        QTest::addColumn<QString>("ipa");
        QTest::addColumn<QString>("phones");
        // The expected phones are the model's own dictionary entries where it has the word.
        QTest::addRow("apple: syllabic l") << "ˈæpl" << "AE P AH L";
        QTest::addRow("able: diphthong then syllabic l") << "ˈeɪbl" << "EY B AH L";
        QTest::addRow("listen: syllabic n") << "ˈlɪsn" << "L IH S AH N";
        QTest::addRow("kitchen: affricate then syllabic n") << "ˈkɪtʃn" << "K IH CH AH N";
        QTest::addRow("ability: stress marks dropped, final i") << "əˈbɪləti" << "AH B IH L AH T IY";
        QTest::addRow("a bit: two words") << "ə ˈbɪt" << "AH B IH T";
        QTest::addRow("orange: British short o, dʒ") << "ˈɒrɪndʒ" << "AA R IH N JH";
        QTest::addRow("morning: long vowels") << "ˈmɔːnɪŋ" << "M AO N IH NG";
        QTest::addRow("bird: long schwa") << "bɜːd" << "B ER D";
        QTest::addRow("car: long a") << "kɑː" << "K AA";
        QTest::addRow("boat: British oʊ") << "bəʊt" << "B OW T";
        QTest::addRow("here: centring diphthong keeps r") << "hɪə" << "HH IH R";
        QTest::addRow("chair") << "tʃeə" << "CH EH R";
        QTest::addRow("fire: triphthong") << "ˈfaɪə" << "F AY ER";
        QTest::addRow("thing, this, measure") << "θɪŋ ðɪs ˈmeʒə" << "TH IH NG DH IH S M EH ZH AH";
        QTest::addRow("yes, we: glides") << "jes wiː" << "Y EH S W IY";
        QTest::addRow("film: l after a vowel stays plain") << "fɪlm" << "F IH L M";
        QTest::addRow("play: l before a vowel stays plain") << "pleɪ" << "P L EY";
        QTest::addRow("slashes and secondary stress") << "/ˌaɪsˈkriːm/" << "AY S K R IY M";
        QTest::addRow("both g letters") << "ɡɪv gɪv" << "G IH V G IH V";
        QTest::addRow("unknown symbols skipped") << "b?ʔɒks" << "B AA K S";
        QTest::addRow("empty") << "" << "";
        QTest::addRow("marks only") << "ˈ ˌ//" << "";
        // clang-format on
    }
    void mapsDictionaryIpa()
    {
        QFETCH(QString, ipa);
        QFETCH(QString, phones);
        QCOMPARE(IpaToArpabet(ipa), phones);
    }
};

TALLIVO_TEST(IpaPhonesTest)
#include "tst_ipaphones.moc"
