// Start-up, the exit request and shutdown.
#include "shell/startup.h"

#include "base/window.h"
#include "shell/display_mode.h"
#include "text/catalogue.h"

namespace kvelt {
namespace {

void fillRoomLists(Game& game) {
  auto fill = [](ObjectList& list, std::initializer_list<const char*> words) {
    std::size_t slot = 0;
    for (const char* word : words) list[slot++] = word;
  };
  fill(game.room37Objects, {"Draga", "listinu", "pochodeň", "olej", "dveře"});
  fill(game.room36Objects, {"ceduli", "kámen"});
  fill(game.room35Objects, {"stráž", "hradby", "příkop"});
  fill(game.room25Objects, {"hradby", "příkop"});
  fill(game.room45Objects, {"hradby", "příkop"});
  fill(game.room55Objects, {"hradby", "příkop"});
  fill(game.room65Objects, {"hradby", "dvířka", "stráž na hradbách"});
  fill(game.room64Objects, {"mrtvou stráž"});
  fill(game.room74Objects, {"sud", "žebřík"});
  fill(game.room73Objects, {"hlídače", "koně", "seno"});
  fill(game.room54Objects, {"vědro"});
  fill(game.room44Objects, {"studnu", "lano"});
  fill(game.room34Objects, {"zařízení"});
  fill(game.room53Objects, {"džber", "páčidlo"});
  fill(game.room33Objects, {"dveře"});
  fill(game.room32Objects, {"dveře", "stráž"});
  fill(game.room31Objects, {"dveře"});
  fill(game.room21Objects, {"stojan", "kvelt"});
  fill(game.room22Objects, {"okno", "stolek", "krb", "ohniště"});
  fill(game.room42Objects, {"dveře", "štít", "meč"});
  fill(game.room52Objects,
       {"lustr", "lano od lustru", "stůl", "kapitána", "zdobený klíč", "knihu"});
  fill(game.room24Objects, {"kováře", "soudek", "nádobu", "výheň"});
  fill(game.room14Objects, {"držák", "prapor"});
}

}  // namespace

void Form_Load(Game& game) {
  ScreenSize size = currentScreenSize(*game.platform.display);
  game.savedWidth = size.width;
  game.savedHeight = size.height;
  const Integer width = 800, height = 600;
  setDisplayMode(*game.platform.display, width, height);

  game.verbs = {"prozkoumej", "vezmi", "polož", "otevři", "zavři", "použij"};
  game.directions = {"sever", "jih", "západ", "východ"};
  fillRoomLists(game);
  game.text1Background = kInputLineColour;
  game.platform.window->setInputBackground(kInputLineColour);
  game.posX = 3;
  game.posY = 7;
  game.inventory[0] = "dýku";
  // A direct assignment: the pane shows the one word, not the eleven lines of a refresh.
  game.Text3 = game.inventory[0];
  game.startSouthBlocked = kTrue;

  showMessage(game, 1);
  showMessage(game, 33);
  showMessage(game, 35);
  showMessage(game, 37);
}

void restoreDisplay(Game& game) {
  if (game.displayRestored) return;
  game.displayRestored = true;
  setDisplayMode(*game.platform.display, game.savedWidth, game.savedHeight);
}

void exitRequest(Game& game) {
  restoreDisplay(game);
  game.platform.window->close();
  Form_Unload(game);
}

void Form_Unload(Game& game) {
  restoreDisplay(game);
  game.windowClosed = true;
}

}  // namespace kvelt
