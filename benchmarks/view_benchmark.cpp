// SPDX-License-Identifier: MIT
// The same commands through the Qt window: a click on the button, the model's handler, the
// widgets brought up to date and the window painted again, synchronously, before the next click.
// Then the worst input a name box meets: a 1 MiB paste, and a calculation right after it.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

#include "benchmarks/names.h"
#include "ui/qt/main_window_view.h"

namespace quendrel {
namespace {

using enum ElementId;

class ShownWindow {
 public:
  ShownWindow() {
    window_.show();
    if (!QTest::qWaitForWindowExposed(&window_)) {
      qFatal("the window was never exposed");
    }
    // Xvfb and the offscreen platform have no window manager to activate the window.
    window_.activateWindow();
    if (!QTest::qWaitForWindowActive(&window_)) {
      qFatal("the window was never activated");
    }
  }
  void type(const Name& name) {
    for (const auto& [box, text] : {std::pair{Text1, name.surname}, {Text2, name.given}}) {
      auto* edit = static_cast<QLineEdit*>(window_.widgetOf(box));
      edit->setText(QString::fromUtf8(text));
      Q_EMIT edit->textEdited(edit->text());
    }
  }
  void click(ElementId button) {
    QTest::mouseClick(window_.widgetOf(button), Qt::LeftButton);
    window_.repaint();
  }
  void paste(const QString& text) {
    QWidget* box = window_.widgetOf(Text1);
    box->setFocus();
    static_cast<QLineEdit*>(box)->clear();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    window_.repaint();
  }

 private:
  MainWindowView window_{[] {}};
};

void BM_ViewCommand1(benchmark::State& state) {
  const Name& name = kNames.at(static_cast<std::size_t>(state.range(0)));
  ShownWindow window;
  window.type(name);
  for (auto _ : state) {
    window.click(Command1);
  }
  state.SetLabel(name.label);
}

void BM_ViewCommand2(benchmark::State& state) {
  const Name& name = kNames.at(static_cast<std::size_t>(state.range(0)));
  ShownWindow window;
  window.type(name);
  window.click(Command1);
  for (auto _ : state) {
    window.click(Command2);
  }
  state.SetLabel(name.label);
}

// 349,526 characters of three UTF-8 bytes each: just over 1 MiB.
QString MebibyteOfKanji() {
  return {(1 << 20) / 3 + 1, QChar(u'山')};
}

void BM_PasteOneMebibyte(benchmark::State& state) {
  ShownWindow window;
  const QString text = MebibyteOfKanji();
  for (auto _ : state) {
    window.paste(text);
  }
}

void BM_CalculationAfterPaste(benchmark::State& state) {
  ShownWindow window;
  window.paste(MebibyteOfKanji());
  for (auto _ : state) {
    window.click(Command1);
  }
}

BENCHMARK(BM_ViewCommand1)->DenseRange(0, kNames.size() - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ViewCommand2)->DenseRange(0, kNames.size() - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PasteOneMebibyte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculationAfterPaste)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quendrel
