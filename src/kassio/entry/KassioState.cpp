#include "kassio/entry/KassioState.h"

namespace kassio {

KassioState& KassioState::shared() {
  static KassioState state;
  return state;
}

}  // namespace kassio
