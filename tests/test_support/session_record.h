// The game record behind a PlaySession, for tests that check what the view does not show.
#pragma once

#include "common/play_session.h"

namespace kvelt {

inline const Game& recordOf(const PlaySession& session) {
  return session.game_;
}

}  // namespace kvelt
