// A keystroke in line 1 of the real window, through the key-press and change handlers
// to a repainted preview.

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "BenchMain.h"
#include "UnitZozAvudMain.h"

namespace zozavud {
namespace {

void BM_TypeCharacterToRepaintedPreview(benchmark::State& bench) {
    TFormZozAvudMain window;
    window.InitialiseEditor(0x0409);
    window.show();
    QLineEdit* box = window.findChild<QLineEdit*>("EditText1");
    QLabel* preview = window.findChild<QLabel*>("ImageLCDExpand");
    box->setFocus();
    int typed = 0;
    for (auto _ : bench) {
        // Keep the line short so every keystroke costs the same.
        if (++typed % 16 == 0) {
            bench.PauseTiming();
            box->clear();
            bench.ResumeTiming();
        }
        QTest::keyClick(box, Qt::Key_A);
        preview->repaint();
    }
}
BENCHMARK(BM_TypeCharacterToRepaintedPreview)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zozavud

ZOZAVUD_BENCHMARK_MAIN_WITH_APPLICATION()
