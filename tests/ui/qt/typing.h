// SPDX-License-Identifier: MIT
#pragma once

#include <QKeyEvent>
#include <QString>
#include <QTest>
#include <QWidget>

namespace quendrel::test {

// Types text into a widget one code point at a time, as an input method commits it. QTest's
// keyClicks only knows keys of ASCII characters.
inline void TypeText(QWidget* widget, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString unit = text.mid(i, length);
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, unit, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, unit, Qt::NoModifier);
    i += length - 1;
  }
}

}  // namespace quendrel::test
