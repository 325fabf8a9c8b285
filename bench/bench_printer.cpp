// Building the register-all command, and the whole command-line run that writes it.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <memory>

#include "CommandEncoder.h"
#include "DocumentIo.h"

namespace {

using namespace zozavud;

// Text-like pictures: about one dot in eight lit in the visible half, the scroll area
// in its own colour, as a render leaves them.
std::unique_ptr<ImageSet> SampleDocument() {
    auto set = std::make_unique<ImageSet>();
    std::memset(set.get(), 0, sizeof *set);
    std::memcpy(set->Signature, "LCD1", 4);
    uint32_t seed = 12345;
    for (int n = 1; n <= ImageCount; ++n) {
        ImageRecord& record = set->Record(n);
        record.Marker[0] = record.Marker[1] = 'A';
        record.ImageNo = static_cast<uint8_t>(n);
        for (int x = 0; x < LcdColumns; ++x)
            for (int y = 0; y < LcdRows; ++y) {
                seed = seed * 1103515245u + 12345u;
                const bool lit = x < VisibleColumns && (seed >> 16) % 8 == 0;
                record.RenderedData[LayerIndex(x, y)] =
                    lit ? 0 : (x < VisibleColumns ? ColorBlank : ColorScrollArea);
            }
    }
    return set;
}

void BM_BuildRegisterAllImagesCommand(benchmark::State& state) {
    const auto set = SampleDocument();
    for (auto _ : state) {
        QByteArray command = BuildRegisterAllImagesCommand(*set);
        benchmark::DoNotOptimize(command.data());
    }
}
BENCHMARK(BM_BuildRegisterAllImagesCommand)->Unit(benchmark::kMicrosecond);

void BM_CliCommandRegisterAll(benchmark::State& state) {
    QTemporaryDir dir;
    const QString document = dir.filePath("sample.lcd");
    if (!SaveImageSetFile(document, *SampleDocument())) {
        state.SkipWithError("cannot write the sample document");
        return;
    }
    const QString program = QCoreApplication::applicationDirPath() + "/zozavud-cli";
    const QStringList arguments = {"command", "register-all", document, "-o", dir.filePath("regist_all.prn")};
    for (auto _ : state) {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("zozavud-cli failed (is it built beside this benchmark?)");
            return;
        }
    }
}
BENCHMARK(BM_CliCommandRegisterAll)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
