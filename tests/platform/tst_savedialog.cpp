// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The save dialog adds the suffix of its filter itself, so that the dialog
// is the one that asks before a file of the final name is replaced.
#include "support/testmain.h"
#include "platform/qtplatform.h"
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

namespace {
const QString kTextFilter = QStringLiteral("文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*");

// Types name into the file dialog once it is up and accepts it; any box the
// dialog then asks is listed and answered No.
struct DialogAnswer {
    QStringList questions;
    QTimer timer;

    explicit DialogAnswer(const QString &name)
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this, name] {
            QWidget *w = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(w)) {
                questions << box->text();
                box->button(QMessageBox::No) ? box->button(QMessageBox::No)->click() : box->reject();
            } else if (auto *dialog = qobject_cast<QFileDialog *>(w); dialog && !dialog->property("typed").toBool()) {
                dialog->setProperty("typed", true);
                if (auto *edit = dialog->findChild<QLineEdit *>())
                    edit->setText(name);
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            } else if (dialog) {
                QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection); // the question was answered No
            }
        });
        timer.start();
    }
};
} // namespace

class SaveDialogTest : public QObject {
    Q_OBJECT

private slots:
    void suffixOfTheFilter_data()
    {
        // clang-format off
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("suffix");
        QTest::addRow("text files") << kTextFilter << "txt";
        QTest::addRow("all files only") << "所有文件 (*.*)|*.*" << "";
        QTest::addRow("Qt filter") << "Pictures (*.png *.jpg)" << "png";
        // clang-format on
    }
    void suffixOfTheFilter()
    {
        QFETCH(QString, filter);
        QFETCH(QString, suffix);
        QCOMPARE(DefaultSuffixOf(filter), suffix);
    }

    void theDialogAddsTxtAndAsksBeforeReplacing_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addRow("new file") << false;
        QTest::addRow("existing file") << true;
    }
    void theDialogAddsTxtAndAsksBeforeReplacing()
    {
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("mine.txt"));
        if (exists) {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QtPlatform platform;
        DialogAnswer answer(QStringLiteral("mine"));
        const QString path = platform.SaveFileDialog(QStringLiteral("导出"), kTextFilter, dir.path());
        QCOMPARE(answer.questions.size(), exists ? 1 : 0);
        QCOMPARE(path, exists ? QString() : target);
    }
};

TALLIVO_TEST(SaveDialogTest)
#include "tst_savedialog.moc"
