// Examine rules: one answer per object word, and the three hidden objects found once.
#include <array>

#include "commands/common_operations.h"
#include "commands/flag_tests.h"
#include "commands/rule_groups.h"
#include "text/catalogue.h"

namespace kvelt {
namespace {

using Answer = void (*)(Game&);

template <Integer Message>
void says(Game& game) {
  showMessage(game, Message);
}

template <Integer Game::*Flag, Integer WhileFalse, Integer WhileTrue>
void byFlag(Game& game) {
  if (off<Flag>(game)) showMessage(game, WhileFalse);
  if (on<Flag>(game)) showMessage(game, WhileTrue);
}

// "dveře" is whichever door the room handler named for this room.
void door(Game& game) {
  constexpr std::array<Integer, 5> kDoorAnswers = {32, 132, 149, 152, 159};
  if (game.doorRoomCode >= 1 && game.doorRoomCode <= 5) {
    showMessage(game, kDoorAnswers[game.doorRoomCode - 1]);
  }
}

// A hidden object turns up once: the finding is told first, then the word goes into the room,
// then the room is listed again so the page shows it. A full room still spends the finding.
void reveal(Game& game, Integer Game::*searched, Integer finding, const char* word) {
  if (!isFalse(game.*searched)) return;
  game.*searched = kTrue;
  showMessage(game, finding);
  placeInRoom(game, word);
  relistRoom(game);
}

void deadGuard(Game& game) {
  showMessage(game, 45);
  reveal(game, &Game::deadGuardSearched, 94, "uniformu");
}

// The watchman and his hay cannot be searched while he is awake.
void watchman(Game& game) {
  if (isTrue(game.watchmanDown)) {
    showMessage(game, 48);
    reveal(game, &Game::watchmanSearched, 126, "klíč");
  } else if (isFalse(game.watchmanDown)) {
    showMessage(game, 124);
  }
}

void hay(Game& game) {
  if (isTrue(game.watchmanDown)) {
    showMessage(game, 50);
    reveal(game, &Game::haySearched, 127, "jehlu");
  } else if (isFalse(game.watchmanDown)) {
    showMessage(game, 124);
  }
}

struct ExamineRow {
  const char* word;
  Answer answer;
};

// Tested top to bottom; the first equal word answers. A word not listed gets no answer.
// clang-format off
constexpr auto kExamineRows = std::to_array<ExamineRow>({
    {"dýku", says<27>},
    {"Draga", says<28>},
    {"listinu", says<29>},
    {"pochodeň", says<30>},
    {"dveře", door},
    {"olej", says<31>},
    {"kámen", says<38>},
    {"ceduli", says<39>},
    {"stráž", says<40>},
    {"mrtvolu", says<99>},
    {"příkop", says<41>},
    {"hradby", says<42>},
    {"dvířka", says<43>},
    {"výheň", says<101>},
    {"stráž na hradbách", says<44>},
    {"mrtvou stráž", deadGuard},
    {"žebřík", says<46>},
    {"uniformu", says<95>},
    {"sud", says<47>},
    {"hlídače", watchman},
    {"koně", byFlag<&Game::watchmanDown, 124, 49>},
    {"seno", hay},
    {"klíč", says<51>},
    {"vědro", says<52>},
    {"kliku", says<90>},
    {"studnu", says<89>},
    {"zařízení", byFlag<&Game::deviceJammed, 53, 141>},
    {"páčidlo", says<54>},
    {"džber", says<55>},
    {"jehlu", says<56>},
    {"stojan", says<57>},
    {"kvelt", says<58>},
    {"okno", says<59>},
    {"stolek", says<60>},
    {"ohniště", byFlag<&Game::hearthQuenched, 61, 142>},
    {"krb", says<62>},
    {"hřebík", says<63>},
    {"štít", says<64>},
    {"meč", says<65>},
    {"zdobený klíč", says<66>},
    {"stůl", says<67>},
    {"lano od lustru", says<68>},
    {"lustr", says<69>},
    {"lano", says<70>},
    {"kováře", says<71>},
    {"kapitána", says<72>},
    {"hořící pochodeň", says<100>},
    {"soudek", says<73>},
    {"nádobu", says<74>},
    {"knihu", says<36>},
    {"prapor", says<75>},
    {"držák", says<76>},
    {"žerď", says<77>},
    {"látku", says<78>},
});
// clang-format on

}  // namespace

void examineRules(Game& game) {
  for (const ExamineRow& row : kExamineRows) {
    if (game.commandObject == row.word) {
      row.answer(game);
      return;
    }
  }
}

}  // namespace kvelt
