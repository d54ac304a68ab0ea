// Rendering an element tree of 1,000 labels filling one phone screen: 100 rows, each a
// horizontal stack of ten labels with a six-digit number in 7-point Inter or Lato, on a
// 390 x 844 point root drawn at the phone's scale of 3 (1170 x 2532 pixels, one display
// frame's worth). A frame is what a host pays for each new picture of a screen: the layout
// (text measured with pango) and the drawing into a cairo image surface. PNG encoding is
// measured on its own, as it is paid only when a picture is written out.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "host/ScreenRenderer.h"
#include "kassio/platform/ui/Label.h"
#include "kassio/platform/ui/StackView.h"

namespace {

using namespace kassio;

constexpr int kRows = 100;
constexpr int kColumns = 10;
constexpr double kScale = 3;

// Label texts start at `first`, so a tree with another `first` shows texts not seen before.
std::shared_ptr<platform::View> labelTree(long first) {
  auto root = std::make_shared<platform::View>();
  root->frame.size = {390, 844};
  root->backgroundColor = platform::Color::white();
  auto column = std::make_shared<platform::StackView>();
  column->spacing = 0.4;
  root->addSubview(column);
  for (int row = 0; row < kRows; ++row) {
    auto line = std::make_shared<platform::StackView>();
    line->axis = platform::LayoutAxis::horizontal;
    line->spacing = 2;
    for (int item = 0; item < kColumns; ++item) {
      auto label = std::make_shared<platform::Label>();
      label->setText(std::to_string(first + row * kColumns + item));
      label->font = platform::Font{row % 2 ? "Lato-Regular" : "Inter-Regular", 7};
      label->textColor = platform::Color{0x17, 0x1F, 0x12, 1};
      label->textAlignment = platform::TextAlignment::right;
      line->addArrangedSubview(label);
    }
    column->addArrangedSubview(line);
  }
  return root;
}

host::CairoSurface frame(host::ScreenRenderer& renderer, const platform::View& root) {
  auto box = renderer.layout().layout(root, {host::ElementLayout::phoneWidth, 0});
  return renderer.pngRenderer().rasterize({&box}, box.frame.size, kScale);
}

// Rows shown at their natural height: the screen is as tall as its content.
double contentHeight(host::ScreenRenderer& renderer, const platform::View& root) {
  return renderer.layout().layout(root, {host::ElementLayout::phoneWidth, 0}).children.front().frame.size.height;
}

// The same tree drawn again: the texts were shaped before, as when a screen is redrawn after
// a change to a few of its elements.
void BM_Frame_RedrawnTree(benchmark::State& state) {
  host::ScreenRenderer renderer;
  auto root = labelTree(100000);
  frame(renderer, *root);
  for (auto _ : state) benchmark::DoNotOptimize(frame(renderer, *root));
  state.counters["contentHeight"] = contentHeight(renderer, *root);
}
BENCHMARK(BM_Frame_RedrawnTree)->Unit(benchmark::kMillisecond);

// Every label's text is new to the renderer, so all 1,000 are shaped in the frame (the fonts
// were loaded by an earlier frame).
void BM_Frame_AllTextsNew(benchmark::State& state) {
  host::ScreenRenderer renderer;
  long first = 100000;
  frame(renderer, *labelTree(first));
  for (auto _ : state) {
    state.PauseTiming();
    auto root = labelTree(first += kRows * kColumns);
    state.ResumeTiming();
    benchmark::DoNotOptimize(frame(renderer, *root));
  }
}
BENCHMARK(BM_Frame_AllTextsNew)->Unit(benchmark::kMillisecond);

void BM_LayoutOnly_RedrawnTree(benchmark::State& state) {
  host::ScreenRenderer renderer;
  auto root = labelTree(100000);
  frame(renderer, *root);
  for (auto _ : state) benchmark::DoNotOptimize(renderer.layout().layout(*root, {host::ElementLayout::phoneWidth, 0}));
}
BENCHMARK(BM_LayoutOnly_RedrawnTree)->Unit(benchmark::kMillisecond);

void BM_EncodePng(benchmark::State& state) {
  host::ScreenRenderer renderer;
  auto root = labelTree(100000);
  auto surface = frame(renderer, *root);
  for (auto _ : state) benchmark::DoNotOptimize(host::PngRenderer::encode(surface.get()));
  state.counters["pixels"] =
      cairo_image_surface_get_width(surface.get()) * cairo_image_surface_get_height(surface.get());
}
BENCHMARK(BM_EncodePng)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
