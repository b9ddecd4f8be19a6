// The page's script: starts the engine, draws its panes after every Enter, keeps the slots and
// the game in play in the browser and moves the slots in and out as files; on a phone it lays
// the panes out in a column and plays by taps too. After the first page it keeps the game for
// playing offline.
"use strict";

(() => {
  const $ = (id) => document.getElementById(id);
  const stage = $("stage");
  const narration = $("narration");
  const carried = $("carried");
  const input = $("input");
  const status = $("status");
  const slot = $("slot");
  const closed = $("closed");
  const map = $("map");
  const reply = $("reply");
  const toolbar = Object.fromEntries(
    [...document.querySelectorAll("#toolbar [data-action]")].map((b) => [b.dataset.action, b]),
  );

  // Outside checks read these: the time of the first page and of every turn, in milliseconds.
  const timings = (window.kveltTimings = { firstPage: null, turns: [] });

  // The game in play is kept in the browser by one tab at a time, so that two tabs never mix
  // their games: the first to ask holds the claim as long as it is open, a later tab plays
  // without keeping. Asked before the engine has loaded, so that the answer is there when the
  // game starts. A browser without Web Locks cannot tell of other tabs: it keeps.
  const claimed = navigator.locks
    ? new Promise((resolve) => {
        // The page before a reload may still be letting go of it: a moment is waited for.
        const waiting = typeof AbortSignal.timeout === "function";
        const options = waiting ? { signal: AbortSignal.timeout(300) } : { ifAvailable: true };
        navigator.locks
          .request("kvelt-kept", options, (lock) => {
            resolve(lock !== null);
            // A lock is held until what its callback returns settles: here, never.
            return lock && new Promise(() => {});
          })
          .catch(() => resolve(false));
      })
    : Promise.resolve(true);

  let turn = 0;
  // Enters are counted in order, each once its slot has reached the browser's storage.
  let handled = Promise.resolve();
  let saveDir = "";

  // The same test as the style sheet's: a narrow or touched screen gets the column.
  const column = matchMedia("(max-width: 600px), (pointer: coarse)");
  const visible = window.visualViewport;

  // The window is 800 x 600 at the browser's 100 % and its usual text size; the style sheet sizes
  // it in units of the text, so that zoom and a larger text setting enlarge it all, and the page
  // scrolls once it is larger than the browser. The column fills what the on-screen keyboard
  // leaves of the screen, so the input line stays in sight while it is typed into.
  let fullWidth = 0;
  let fullHeight = 0;

  function fit() {
    if (column.matches) {
      const height = visible ? visible.height : innerHeight;
      stage.style.top = `${visible ? visible.offsetTop : 0}px`;
      stage.style.setProperty("--visible-height", `${height}px`);
      // The screen's full height is the tallest seen at this width; a keyboard takes from it.
      if (innerWidth !== fullWidth) [fullWidth, fullHeight] = [innerWidth, 0];
      fullHeight = Math.max(fullHeight, height);
      document.body.classList.toggle("keyboard", height < fullHeight * 0.75);
      return;
    }
    stage.style.top = "";
    stage.style.removeProperty("--visible-height");
    document.body.classList.remove("keyboard");
  }
  addEventListener("resize", fit);
  column.addEventListener("change", fit);
  if (visible) {
    visible.addEventListener("resize", fit);
    visible.addEventListener("scroll", fit);
  }
  fit();

  // The engine's functions, with texts as strings; a null text comes back as null.
  const number = (name, ...args) =>
    Module.ccall(name, "number", args.map((a) => typeof a), args);
  const text = (name, ...args) => {
    const pointer = number(name, ...args);
    return pointer ? Module.UTF8ToString(pointer) : null;
  };

  function setStatus(message) {
    status.textContent = message;
  }

  function addStatus(message) {
    status.textContent = status.textContent ? `${status.textContent}\n${message}` : message;
  }

  function drawStatus() {
    const said = text("kvelt_status");
    if (said === status.textContent) return;
    setStatus(said);
    // A long text scrolls in the line; each new one is read from its start.
    status.scrollTop = 0;
  }

  // The one place a screen reader hears of its own accord: what is new, not the whole page.
  function announce(message) {
    reply.textContent = message;
  }

  // What a key other than Enter said, for the screen reader.
  function drawAndSayStatus() {
    drawStatus();
    announce(status.textContent);
  }

  // The map stands over the narration pane while the session shows it; a screen reader reads
  // its rooms and ways in words instead of the picture.
  let mapPicture = "";

  function drawMap() {
    const shown = number("kvelt_map_shown") === 1;
    map.hidden = !shown;
    // In the window the map lies over the page; in the column it takes the page's place.
    narration.hidden = shown;
    if (!shown) return;
    const picture = text("kvelt_map_svg");
    if (picture !== mapPicture) {
      mapPicture = picture;
      $("map-picture").innerHTML = picture;
      // The places seen fill the pane, up to three rooms across: the whole grid would leave
      // them small, on a phone too small to read.
      const svg = $("map-picture").firstElementChild;
      const seen = svg.getBBox();
      const [width, height] = [Math.max(seen.width + 40, 300), Math.max(seen.height + 24, 180)];
      const [left, top] = [seen.x + (seen.width - width) / 2, seen.y + (seen.height - height) / 2];
      svg.setAttribute("viewBox", `${left} ${top} ${width} ${height}`);
    }
    $("map-text").textContent = text("kvelt_map_description");
  }

  function draw() {
    narration.textContent = text("kvelt_narration");
    // Every page starts at its top, as a text box does when its whole text is set.
    narration.scrollTop = 0;
    carried.textContent = text("kvelt_carried");
    input.style.backgroundColor = "#" + number("kvelt_input_colour").toString(16).padStart(6, "0");
    drawStatus();
    drawChips();
    drawMap();
    toolbar.later.hidden = !number("kvelt_browsing");
  }

  // The words Tab completes from, as buttons: a tap adds the word to the line.
  const chips = $("chips");
  let shownWords = "";

  function drawChips() {
    if (!column.matches) return;
    const words = text("kvelt_shown_words") || "";
    if (words === shownWords) return;
    shownWords = words;
    chips.replaceChildren(
      ...[...new Set(words.split("\n"))].filter(Boolean).map((word) => {
        const chip = document.createElement("button");
        chip.type = "button";
        chip.textContent = word;
        return chip;
      }),
    );
  }
  column.addEventListener("change", () => {
    shownWords = "";
    if (document.body.dataset.ready) drawChips();
  });

  // Copies the save folder to IndexedDB (or back, at start); a failure is reported by the caller.
  function sync(fromBrowser) {
    return new Promise((resolve, reject) => {
      Module.FS.syncfs(fromBrowser, (error) => (error ? reject(error) : resolve()));
    });
  }

  // Other tabs of the game keep the same slots. Copying this tab's folder to IndexedDB alone
  // would delete there what another tab saved since this one looked, so the folder is first
  // brought up to date, under a lock that the other tabs respect, and the slot just written is
  // put back on top.
  function withSlots(action) {
    return navigator.locks ? navigator.locks.request("kvelt-slots", action) : action();
  }

  function refreshSlots() {
    return withSlots(() => sync(true));
  }

  const slotNames = (n) => [`save${n}.s`, `savex${n}.s`];
  let keptFailed = false;

  // Files of the save folder, as they are now in this tab (a file gone is removed), into
  // IndexedDB. A slot is only saved once it is there; if it cannot get there, the status line
  // says so instead of what the turn answered. The kept game that cannot get there is said
  // once, until it gets there again. True when the files got there.
  function keepFiles(names) {
    const FS = Module.FS;
    const paths = names.map((name) => `${saveDir}/${name}`);
    return withSlots(async () => {
      const files = paths.map((path) => [path, FS.analyzePath(path).exists && FS.readFile(path)]);
      await sync(true);
      for (const [path, bytes] of files) {
        if (bytes) FS.writeFile(path, bytes);
        else if (FS.analyzePath(path).exists) FS.unlink(path);
      }
      await sync(false);
    }).then(
      () => {
        keptFailed = false;
        if (names.includes("kept.kvelt")) keptHere(true);
        return true;
      },
      () => {
        const saved = names.map((name) => /^savex?(\d+)\.s$/.exec(name)).find(Boolean);
        if (saved) {
          setStatus(text("kvelt_save_failed_notice", Number(saved[1])));
        } else if (!keptFailed) {
          keptFailed = true;
          addStatus("Hru se nepodařilo uchovat v prohlížeči; tahy se neuchovávají.");
        }
        return false;
      },
    );
  }

  // Whether this browser has kept a game of this site, as the page remembers it beside the
  // files: a quick answer before IndexedDB is open.
  const keptMark = "kvelt-kept";

  function keptHere(kept) {
    try {
      if (kept && localStorage.getItem(keptMark) !== "1") localStorage.setItem(keptMark, "1");
      return localStorage.getItem(keptMark) === "1";
    } catch {
      return true; // no such storage: the page cannot tell, and waits
    }
  }

  // What the engine wrote since the last time: a slot saved, the kept game after each turn.
  function persist() {
    const names = text("kvelt_take_written").split("\n").filter(Boolean);
    return names.length ? keepFiles(names) : null;
  }

  // Back in this tab, the slots that another one saved meanwhile can be loaded here.
  document.addEventListener("visibilitychange", () => {
    if (document.visibilityState === "visible") act(() => refreshSlots().catch(() => {}));
  });

  function countTurn() {
    narration.dataset.turn = String(++turn);
  }

  // "exit", Enter after the end, or a catalogue that cannot be read: a tab cannot close itself,
  // so the page says that the game is over and offers a new one. Without the catalogue a new
  // game would only fail again: the button loads the page anew, which fetches it again.
  let retry = false;

  function showClosed(message, cannotPlay = false) {
    retry = cannotPlay;
    $("closed-text").textContent = message;
    $("new-game").textContent = cannotPlay ? "Zkusit znovu" : "Nová hra";
    // After a death the turn can still be taken back, as Alt+U does in the other programs.
    $("closed-undo").hidden = cannotPlay;
    closed.hidden = false;
    input.disabled = true;
    $("new-game").focus();
    announce(message);
  }

  // What a key that plays left behind: 0 the game goes on, 1 it closed, 2 it cannot go on.
  function after(result) {
    if (result === 1) {
      showClosed("Hra skončila. Okno prohlížeče můžete zavřít.");
    } else if (result === 2) {
      showClosed(text("kvelt_failure"), true);
    } else {
      draw();
    }
  }

  // A game from its opening page: at start and from the closing screen's button.
  function opened(result) {
    closed.hidden = true;
    input.disabled = false;
    after(result);
    // On a phone the focus would bring up the keyboard over a game played by taps.
    if (closed.hidden && !column.matches) input.focus();
  }

  // The keys wait for the slots of earlier visits to be back from IndexedDB, and for the keys
  // before them; after the first moments of the page that wait is over before the key is.
  let restored = Promise.resolve();

  function act(action) {
    handled = handled
      .then(() => restored)
      .then(action)
      .catch((error) => addStatus(String(error)));
    return handled;
  }

  function play(line) {
    // An Enter that was on its way when the game closed has no game left to go to.
    if (!closed.hidden) return null;
    const begun = performance.now();
    const result = number("kvelt_enter", line);
    after(result);
    input.value = text("kvelt_input");
    timings.turns.push(performance.now() - begun);
    if (result === 0) announce([text("kvelt_reply"), status.textContent].filter(Boolean).join("\n"));
    return persist();
  }

  // A load reads the slot as the other tabs left it, under the lock they write it under.
  const loadLine = /^load ([1-9]|10)$/;

  function send() {
    const line = input.value;
    if (loadLine.test(line)) act(() => refreshSlots().catch(() => {}));
    act(() => play(line)).then(countTurn);
  }

  function complete() {
    input.value = text("kvelt_complete", input.value);
    drawAndSayStatus();
  }

  function recall(line) {
    if (line === null) return;
    input.value = line;
    input.setSelectionRange(line.length, line.length);
  }

  // Page Up at the top of a page shows the page before it; Page Down at its end the next one.
  function page(direction) {
    const top = narration.scrollTop <= 0;
    const bottom = narration.scrollTop + narration.clientHeight >= narration.scrollHeight - 1;
    if (direction < 0 && top) {
      if (number("kvelt_page_back")) draw();
    } else if (direction > 0 && bottom && number("kvelt_browsing")) {
      number("kvelt_page_forward");
      draw();
    } else {
      narration.scrollBy(0, direction * (narration.clientHeight - 24));
    }
  }

  // After a comfort that changed the game: the panes, the answer read out, the kept game.
  function changed() {
    draw();
    announce(status.textContent);
    return persist();
  }

  // What the comforts' keys and the buttons do alike.
  const actions = {
    undo: () => act(() => (number("kvelt_undo"), changed())),
    redo: () => act(() => (number("kvelt_redo"), changed())),
    slots: () =>
      act(() => refreshSlots().catch(() => {})).then(() => (number("kvelt_saved_slots"), drawAndSayStatus())),
    hint: () => act(() => (number("kvelt_hint"), drawAndSayStatus())),
    map: () =>
      act(() => {
        number("kvelt_map");
        draw();
        announce(map.hidden ? "" : $("map-text").textContent);
      }),
    earlier: () => act(() => number("kvelt_page_back") && draw()),
    later: () => act(() => number("kvelt_browsing") && (number("kvelt_page_forward"), draw())),
    // A tap cannot be pressed twice as a key is: the page asks instead.
    newGame: () => {
      $("ask").hidden = false;
      $("ask-no").focus();
    },
  };

  // The comforts' keys, as the status line names them.
  function comfort(event) {
    const key = event.code;
    if (event.altKey && !event.ctrlKey && key === "KeyN") {
      act(() => (after(number("kvelt_new_game_key")), announce(status.textContent), persist()));
    } else if (event.altKey && !event.ctrlKey && key === "KeyU") {
      actions.undo();
    } else if (event.ctrlKey && !event.altKey && key === "KeyY") {
      actions.redo();
    } else if (event.ctrlKey && !event.altKey && key === "KeyZ" && input.value === "") {
      // With text in the line Ctrl+Z is the line's own undo; the turn is Alt+U's then.
      actions.undo();
    } else if (event.key === "F2") {
      actions.slots();
    } else if (event.key === "F1") {
      actions.hint();
    } else if (event.key === "F3") {
      actions.map();
    } else {
      return false;
    }
    return true;
  }

  const modifiers = ["Alt", "AltGraph", "Control", "Shift", "Meta"];

  input.addEventListener("keydown", (event) => {
    // A modifier on its own is no key yet: Alt before the second N must not withdraw the
    // question of the first.
    if (modifiers.includes(event.key)) return;
    // Alt+N answers its own question; the page keys leave it and Tab's choices standing.
    const keeps = (event.altKey && event.code === "KeyN") || ["PageUp", "PageDown"].includes(event.key);
    if (!keeps) number("kvelt_dismiss");
    if (comfort(event)) {
      event.preventDefault();
      return;
    }
    switch (event.key) {
      case "Enter":
        send();
        break;
      case "Tab":
        // An empty line has nothing to complete: Tab then moves on to the other controls.
        if (event.shiftKey || input.value === "") return;
        complete();
        break;
      case "ArrowUp":
        recall(text("kvelt_history_older", input.value));
        break;
      case "ArrowDown":
        recall(text("kvelt_history_newer"));
        break;
      case "PageUp":
        page(-1);
        break;
      case "PageDown":
        page(+1);
        break;
      case "Escape":
        if (number("kvelt_to_live_page")) draw();
        break;
      default:
        drawStatus();
        return;
    }
    event.preventDefault();
  });

  // Typing goes on the live page, from an earlier one or from the map.
  function edited() {
    if (number("kvelt_to_live_page")) draw();
  }
  input.addEventListener("input", edited);

  // Tapping: a chip adds its word to the line, the erase button takes the last word away, the
  // send button is Enter. Any of them withdraws the new-game question as a key does.
  function tapped(line) {
    number("kvelt_dismiss");
    input.value = line;
    edited();
    drawStatus();
  }

  // Letters without diacritics or capitals, as Tab matches them.
  const folded = (word) => word.normalize("NFD").replace(/\p{M}/gu, "").toLowerCase();

  chips.addEventListener("click", (event) => {
    const chip = event.target.closest("button");
    if (!chip) return;
    const word = chip.textContent;
    const line = input.value;
    const typed = line.slice(line.lastIndexOf(" ") + 1);
    // A word begun on the keyboard is finished by the chip, as Tab would; a whole word stays.
    const begun = typed && !shownWords.split("\n").includes(typed) && folded(word).startsWith(folded(typed));
    if (begun) tapped(line.slice(0, line.length - typed.length) + word);
    else tapped(line === "" || line.endsWith(" ") ? line + word : `${line} ${word}`);
  });
  $("erase").addEventListener("click", () => tapped(input.value.replace(/\s*\S*\s*$/, "")));
  $("send").addEventListener("click", () => (number("kvelt_dismiss"), send()));
  for (const [name, button] of Object.entries(toolbar)) {
    button.addEventListener("click", () => {
      if (name !== "newGame") number("kvelt_dismiss");
      actions[name]();
      // In the window the next key is typed again; on a phone the keyboard stays away.
      if (name !== "newGame" && !column.matches) input.focus();
    });
  }
  // A new game from the question or the closing screen; the kept game becomes the new one.
  const newGame = () => act(() => (opened(number("kvelt_new_game")), persist()));
  $("ask-yes").addEventListener("click", () => {
    $("ask").hidden = true;
    newGame();
  });
  $("ask-no").addEventListener("click", () => {
    $("ask").hidden = true;
    if (!column.matches) input.focus();
  });
  // The save and load lines, for the slot chosen, as if typed.
  const slotLine = (verb) => () => {
    input.value = `${verb} ${slot.value}`;
    send();
  };
  $("save").addEventListener("click", slotLine("save"));
  $("load").addEventListener("click", slotLine("load"));

  // Commands are read only from the input line: a letter typed while a pane has the focus goes
  // there, with the focus.
  for (const pane of [narration, carried, status, map]) {
    pane.addEventListener("keydown", (event) => {
      if (event.key.length === 1 && !event.ctrlKey && !event.metaKey && !event.altKey) {
        input.focus();
      }
    });
  }

  // A click on the picture or on a caption would take the focus from the input line, and what
  // is typed next would go nowhere: the focus stays where it is.
  stage.addEventListener("mousedown", (event) => {
    if ([stage, $("label1"), $("label2")].includes(event.target)) event.preventDefault();
  });

  function download(name, bytes) {
    const url = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
    const link = document.createElement("a");
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    // The download has its own copy once it has started; a minute is more than it needs.
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  // The two files of a slot, byte for byte as the desktop programs keep them.
  async function exportSlot() {
    await restored;
    await refreshSlots().catch(() => {});
    const n = slot.value;
    let list, state;
    try {
      list = Module.FS.readFile(`${saveDir}/save${n}.s`);
      state = Module.FS.readFile(`${saveDir}/savex${n}.s`);
    } catch {
      setStatus(`Pozice ${n} je prázdná.`);
      return;
    }
    download(`save${n}.s`, list);
    download(`savex${n}.s`, state);
  }

  const largestSlotFile = 1024 * 1024;

  // The player picks a slot's two files; the one whose name starts with "savex" is the state
  // file, whatever number the names carry.
  async function importSlot(files) {
    const n = slot.value;
    const state = files.find((file) => /^savex/i.test(file.name));
    const list = files.find((file) => file !== state && /^save/i.test(file.name));
    if (files.length !== 2 || !state || !list) {
      setStatus("Vyberte oba soubory pozice: saveN.s a savexN.s.");
      return;
    }
    // A slot's files are a few kilobytes; anything far larger is not one, and reading it whole
    // could take the tab's memory.
    if (files.some((file) => file.size > largestSlotFile)) {
      setStatus("Tyto soubory nejsou uložená hra: jsou příliš velké.");
      return;
    }
    const [listBytes, stateBytes] = await Promise.all([list.arrayBuffer(), state.arrayBuffer()]);
    // Checked as a load would check it, before it replaces what the slot holds.
    const state8 = new Uint8Array(stateBytes);
    if (!Module.ccall("kvelt_slot_loadable", "number", ["array", "number", "number"],
                      [state8, state8.length, listBytes.byteLength])) {
      setStatus("Tyto soubory nejsou uložená hra, kterou by šlo nahrát.");
      return;
    }
    Module.FS.writeFile(`${saveDir}/save${n}.s`, new Uint8Array(listBytes));
    Module.FS.writeFile(`${saveDir}/savex${n}.s`, new Uint8Array(stateBytes));
    if (await keepFiles(slotNames(n))) setStatus(`Pozice ${n} je nahraná: napište load ${n}.`);
  }

  $("export").addEventListener("click", exportSlot);
  $("import").addEventListener("change", (event) => {
    const files = [...event.target.files];
    event.target.value = "";
    // After the Enters before it, so that no two copies to IndexedDB overlap.
    handled = handled
      .then(() => restored)
      .then(() => importSlot(files))
      .catch((error) => addStatus(String(error)));
  });
  $("new-game").addEventListener("click", () => (retry ? location.reload() : newGame()));
  $("closed-undo").addEventListener("click", () =>
    act(() => {
      number("kvelt_undo");
      closed.hidden = true;
      input.disabled = false;
      if (!column.matches) input.focus();
      return changed();
    }),
  );

  // The catalogue is fetched while the engine loads; the game starts when both are there.
  const catalogue = fetch("scripts.tex").then((response) => {
    if (!response.ok) throw new Error(`scripts.tex: ${response.status} ${response.statusText}`);
    return response.arrayBuffer();
  });

  let updated = "";

  // After one visit the service worker serves every file of the site, so that the game starts
  // and plays with no network. A new version of the game replaces it; the worker tells the
  // pages open at that moment, once.
  if ("serviceWorker" in navigator) {
    navigator.serviceWorker.addEventListener("message", (event) => {
      if (!event.data || event.data.kind !== "updated") return;
      updated = `Hra je aktualizována na verzi ${event.data.version}; platí od příštího načtení stránky.`;
      // Before the first page, its status line would hide the notice: boot says it then.
      if (document.body.dataset.ready) addStatus(updated);
    });
  }

  function keepOffline() {
    if (!("serviceWorker" in navigator)) return;
    navigator.serviceWorker.register("service-worker.js").catch(() => {});
  }

  async function boot() {
    const FS = Module.FS;
    const catalogueDir = text("kvelt_catalogue_dir");
    saveDir = text("kvelt_save_dir");
    $("label1").textContent = text("kvelt_carried_caption");
    $("label2").textContent = text("kvelt_credit");
    FS.mkdirTree(saveDir);
    FS.mount(FS.filesystems.IDBFS, {}, saveDir);
    const kept = refreshSlots().then(
      () => true,
      () => false,
    );
    restored = kept;
    let bytes;
    try {
      bytes = await catalogue;
    } catch (error) {
      showClosed(`Hru nelze hrát: katalog textů nelze načíst (${error.message}).`, true);
      return;
    }
    FS.mkdirTree(catalogueDir);
    FS.writeFile(`${catalogueDir}/scripts.tex`, new Uint8Array(bytes));
    // The kept game is among the files of earlier visits: it is resumed once they are back. In
    // a fresh profile opening IndexedDB takes a few hundred milliseconds, so only a browser
    // that has kept a game here before waits for them.
    const keeping = await claimed;
    if (keptHere()) await kept;
    number("kvelt_keep_between_runs", keeping ? 1 : 0);
    opened(number("kvelt_start"));
    timings.firstPage = performance.now();
    // Once the first page is on the screen, the planner looks at the game it shows.
    requestAnimationFrame(() => setTimeout(() => act(() => number("kvelt_look_at_game"))));
    // A kept file that could not be read was set aside at start; IndexedDB learns of it too.
    act(persist);
    document.body.dataset.ready = "1";
    // Not before: the files it fetches would compete with the first page's.
    keepOffline();
    if (updated) addStatus(updated);
    // Said after the first page, so that its status line does not hide it.
    if (!(await kept)) addStatus("Tento prohlížeč neuchová uložené hry po zavření stránky.");
  }

  window.Module = { onRuntimeInitialized: boot };
})();
