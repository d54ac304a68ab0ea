#pragma once

#include "kassio/platform/ui/View.h"

namespace kassio::platform {

enum class AnimationLoopMode { playOnce, loop };

// Plays a vector animation (a JSON animation file of the module's resources) by name.
class AnimationView : public View {
 public:
  std::string kind() const override { return "animation"; }
  std::string animationName;
  AnimationLoopMode loopMode = AnimationLoopMode::playOnce;

  void play() { playing_ = true; }
  void stop() { playing_ = false; }
  bool isPlaying() const { return playing_; }

  void describe(nlohmann::ordered_json& out) const override {
    View::describe(out);
    out["animation"] = animationName;
    out["playing"] = playing_;
    out["loop"] = loopMode == AnimationLoopMode::loop;
  }

 private:
  bool playing_ = false;
};

}  // namespace kassio::platform
