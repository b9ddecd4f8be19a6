// The page's script: starts the engine, draws its panes after every Enter, keeps the slots in
// the browser and moves them in and out as files.
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

  // Outside checks read these: the time of the first page and of every turn, in milliseconds.
  const timings = (window.kveltTimings = { firstPage: null, turns: [] });

  let turn = 0;
  // Enters are counted in order, each once its slot has reached the browser's storage.
  let handled = Promise.resolve();
  let saveDir = "";

  // The window is 800 x 600; the page shows it whole, as large as the browser allows.
  function fit() {
    const scale = Math.min(innerWidth / 800, innerHeight / 600);
    const left = (innerWidth - 800 * scale) / 2;
    const top = (innerHeight - 600 * scale) / 2;
    stage.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
  }
  addEventListener("resize", fit);
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

  function draw() {
    narration.textContent = text("kvelt_narration");
    // Every page starts at its top, as a text box does when its whole text is set.
    narration.scrollTop = 0;
    carried.textContent = text("kvelt_carried");
    input.value = text("kvelt_input");
    input.style.backgroundColor = "#" + number("kvelt_input_colour").toString(16).padStart(6, "0");
    setStatus(text("kvelt_take_notices"));
  }

  // Copies the save folder to IndexedDB (or back, at start); a failure is reported by the caller.
  function sync(fromBrowser) {
    return new Promise((resolve, reject) => {
      Module.FS.syncfs(fromBrowser, (error) => (error ? reject(error) : resolve()));
    });
  }

  function keepSlot(n) {
    return sync(false).catch(() => addStatus(text("kvelt_save_failed_notice", n)));
  }

  function countTurn() {
    narration.dataset.turn = String(++turn);
  }

  // "exit", Enter after the end, or a catalogue that cannot be read: a tab cannot close itself,
  // so the page says that the game is over and offers a new one.
  function showClosed(message) {
    $("closed-text").textContent = message;
    closed.hidden = false;
    input.disabled = true;
    $("new-game").focus();
  }

  function newGame() {
    closed.hidden = true;
    input.disabled = false;
    if (!number("kvelt_start")) {
      showClosed(text("kvelt_take_notices"));
      return;
    }
    draw();
    input.focus();
  }

  // The lines typed wait for the slots of earlier visits to be back from IndexedDB; after the
  // first moments of the page that wait is over before the key is.
  let restored = Promise.resolve();

  function play(line) {
    // An Enter that was on its way when the game closed has no game left to go to.
    if (!closed.hidden) return null;
    const started = performance.now();
    const result = number("kvelt_enter", line);
    const saved = number("kvelt_take_saved_slot");
    if (result === 1) {
      showClosed("Hra skončila. Okno prohlížeče můžete zavřít.");
    } else if (result === 2) {
      showClosed(text("kvelt_take_notices"));
    } else {
      draw();
    }
    timings.turns.push(performance.now() - started);
    return saved ? keepSlot(saved) : null;
  }

  function send() {
    const line = input.value;
    handled = handled
      .then(() => restored)
      .then(() => play(line))
      .catch((error) => addStatus(String(error)))
      .then(countTurn);
  }

  function complete() {
    input.value = text("kvelt_complete", input.value);
    setStatus(text("kvelt_offered"));
  }

  function recall(line) {
    if (line === null) return;
    input.value = line;
    input.setSelectionRange(line.length, line.length);
  }

  input.addEventListener("keydown", (event) => {
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
      case "PageDown": {
        const page = narration.clientHeight - 24;
        narration.scrollBy(0, event.key === "PageUp" ? -page : page);
        break;
      }
      default:
        return;
    }
    event.preventDefault();
  });

  // Commands are read only from the input line: a letter typed while a pane has the focus goes
  // there, with the focus.
  for (const pane of [narration, carried]) {
    pane.addEventListener("keydown", (event) => {
      if (event.key.length === 1 && !event.ctrlKey && !event.metaKey && !event.altKey) {
        input.focus();
      }
    });
  }

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
    const [listBytes, stateBytes] = await Promise.all([list.arrayBuffer(), state.arrayBuffer()]);
    Module.FS.writeFile(`${saveDir}/save${n}.s`, new Uint8Array(listBytes));
    Module.FS.writeFile(`${saveDir}/savex${n}.s`, new Uint8Array(stateBytes));
    setStatus("");
    await keepSlot(Number(n));
    addStatus(`Pozice ${n} je nahraná: napište load ${n}.`);
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
  $("new-game").addEventListener("click", newGame);

  // The catalogue is fetched while the engine loads; the game starts when both are there.
  const catalogue = fetch("scripts.tex").then((response) => {
    if (!response.ok) throw new Error(`scripts.tex: ${response.status} ${response.statusText}`);
    return response.arrayBuffer();
  });

  async function boot() {
    const FS = Module.FS;
    const catalogueDir = text("kvelt_catalogue_dir");
    saveDir = text("kvelt_save_dir");
    $("label1").textContent = text("kvelt_carried_caption");
    $("label2").textContent = text("kvelt_credit");
    FS.mkdirTree(saveDir);
    FS.mount(FS.filesystems.IDBFS, {}, saveDir);
    restored = sync(true).catch(() =>
      addStatus("Tento prohlížeč neuchová uložené hry po zavření stránky."),
    );
    let bytes;
    try {
      bytes = await catalogue;
    } catch (error) {
      showClosed(`Hru nelze hrát: katalog textů nelze načíst (${error.message}).`);
      return;
    }
    FS.mkdirTree(catalogueDir);
    FS.writeFile(`${catalogueDir}/scripts.tex`, new Uint8Array(bytes));
    newGame();
    timings.firstPage = performance.now();
    document.body.dataset.ready = "1";
  }

  window.Module = { onRuntimeInitialized: boot };
})();
