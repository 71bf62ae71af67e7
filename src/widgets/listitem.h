// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QWidget>

class QLabel;

// One row of a word list: English, Chinese and the learning state in three
// columns over a thin separator line.
class listItem : public QWidget {
    Q_OBJECT
public:
    explicit listItem(QWidget *parent = nullptr);

    void SetWordLevel(const QString &EN, const QString &CH, const QString &Level);
    // Text colour of all three columns (BGR number).
    void SetForColor(int color);

    // The texts as given (a column too narrow shows them shortened with "…").
    QString EN() const { return m_en; }
    QString CH() const { return m_ch; }
    QString Level() const { return m_level; }

    QLabel *lblEN = nullptr;
    QLabel *lblCH = nullptr;
    QLabel *lblLevel = nullptr;
    QWidget *Line1 = nullptr;

protected:
    void resizeEvent(QResizeEvent *) override;

private:
    void Layout();

    QString m_en;
    QString m_ch = QStringLiteral("中文解释");
    QString m_level = QStringLiteral("熟悉程度");
};
