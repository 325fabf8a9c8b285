// The renderer: one two-line image, and the whole-set reset that renders all 19.

#include "BenchMain.h"
#include "CodePage.h"
#include "EditorState.h"
#include "ImageReset.h"
#include "LcdRenderer.h"
#include "RecordRender.h"
#include "ShortString.h"

namespace zozavud {
namespace {

void BM_RenderTwoLineImage(benchmark::State& bench) {
    EditorState state;
    LcdRenderer renderer;
    state.Language.InitLanguage(0x0409);
    RebuildImageSet(state, renderer, [&] { RenderCurrentImage(state, renderer); });
    state.SelectImage(6);
    StoreShortString(state.CurrentRecord().Text1, "Paper end");
    StoreShortString(state.CurrentRecord().Text2, "Please replace");
    for (auto _ : bench) {
        RenderCurrentImage(state, renderer);
        benchmark::DoNotOptimize(state.CurrentRecord().RenderedData[0]);
    }
}
BENCHMARK(BM_RenderTwoLineImage)->Unit(benchmark::kMicrosecond);

void BM_NewImageSet(benchmark::State& bench) {
    EditorState state;
    LcdRenderer renderer;
    state.Language.InitLanguage(0x0409);
    for (auto _ : bench) {
        RebuildImageSet(state, renderer, [&] { RenderCurrentImage(state, renderer); });
        benchmark::DoNotOptimize(state.Set->Records[18].RenderedData[0]);
    }
}
BENCHMARK(BM_NewImageSet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zozavud

ZOZAVUD_BENCHMARK_MAIN_WITH_APPLICATION()
