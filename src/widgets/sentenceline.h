// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QTextLayout>
#include <QWidget>

// An example sentence on one line with the word it teaches picked out in the
// program's orange and bold. The line is laid out once when the sentence is
// set; a paint only draws it. Narrowed below its natural width, it is cut
// off at the right like a label.
class SentenceLine : public QWidget {
    Q_OBJECT
public:
    explicit SentenceLine(QWidget *parent = nullptr);

    // length 0 picks out nothing.
    void SetSentence(const QString &text, int start, int length);
    QString Text() const { return m_text; }
    // The picked-out part ("" when none).
    QString Picked() const { return m_text.mid(m_start, m_length); }
    int PickedStart() const { return m_start; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override;
    void changeEvent(QEvent *e) override;

private:
    void LayOut();

    QString m_text;
    int m_start = 0;
    int m_length = 0;
    QTextLayout m_layout;
    QSize m_natural;
};
