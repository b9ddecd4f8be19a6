// Why a game can no longer be won.
#include "common/hints/dead_ends.h"

#include "common/hints/plan_stages.h"

namespace kvelt {
namespace {

bool lit(const Game& g) {
  return carries(g, "hořící pochodeň");
}

// Once the chandelier is down the only way back to the gate is the rope from the window, and
// what the treasury needs must be upstairs already.
const char* afterTheChandelier(const Game& g) {
  if (!isTrue(g.deviceJammed)) return "why.device";
  if (!isTrue(g.windowRopeTied) && !keptUpstairs(g, "lano")) return "why.rope";
  if (!isTrue(g.standNeedleSet) && !keptUpstairs(g, "jehlu")) return "why.needle";
  const bool nailComing =
      isFalse(g.hearthQuenched) && isTrue(g.bucketFull) && keptUpstairs(g, "vědro");
  if (!isTrue(g.standNailSet) && !keptUpstairs(g, "hřebík") && !nailComing) return "why.nail";
  return nullptr;
}

}  // namespace

const char* deadEndReason(const Game& g) {
  if (isTrue(g.gameOver)) return nullptr;
  // In the captain's room the chandelier is as good as down: no line but the fight is safe.
  const bool withCaptain = g.posX == 5 && g.posY == 2 && !isTrue(g.chandelierCut);
  if (withCaptain && (!carries(g, "meč") || (!carries(g, "štít") && !isTrue(g.captainShielded)))) {
    return "why.captain";
  }
  if (withCaptain || isTrue(g.chandelierCut)) {
    if (const char* reason = afterTheChandelier(g)) return reason;
  }
  if (isTrue(g.chandelierCut) && !isTrue(g.kveltTaken) && !inUpperFloor(g.posX, g.posY)) {
    return "why.down";
  }
  const ObjectList* here = roomList(g, g.posX, g.posY);
  if (g.posY <= 4 && !isTrue(g.deadGuardHidden) &&
      (here == nullptr || !lies(*here, "mrtvou stráž", 10))) {
    return "why.guard";
  }
  if (g.posX == 3 && g.posY == 2 && !isTrue(g.guardKilled) && !carries(g, "dýku")) {
    return "why.guardroom";
  }
  // Without the uniform nobody gets into the smithy, the stable or up the stairs.
  const bool smithyOrStable = (g.posX == 2 && g.posY == 4) || (g.posX == 7 && g.posY == 3);
  if ((smithyOrStable && !isTrue(g.uniformWorn)) ||
      (!carries(g, "uniformu") &&
       (lies(g.room24Objects, "uniformu") || lies(g.room73Objects, "uniformu") ||
        (!inUpperFloor(g.posX, g.posY) && keptUpstairs(g, "uniformu"))))) {
    return "why.uniform";
  }
  if (lies(g.room53Objects, "pochodeň") && !lit(g)) return "why.dark";
  if (lies(g.room53Objects, "uniformu") && !lit(g)) return "why.darkuniform";
  return "why.other";
}

}  // namespace kvelt
