// The page as the dialog's window. The controls are laid out from the dialog
// template the module hands over, and each tab's band from its own; every request of the dialog (texts, list,
// tabs, timer, paint, message boxes) arrives at velquorHost, and every user
// event goes to the module as one handler call. What the program does is the
// module's business, not this page's.
"use strict";

(() => {
  const client = document.getElementById("client");
  const canvas = document.getElementById("frame");
  const context = canvas.getContext("2d", { alpha: false });
  context.imageSmoothingEnabled = false;

  const controls = new Map(); // template ID -> element
  const bands = []; // {tab, element}: each tab's band of controls over the plot
  const timers = new Map(); // timer ID -> interval handle
  const heldTicks = new Set(); // ticks that came while a message was up
  const menuItems = []; // {command, text}; command 0 is a separator
  const listItems = []; // {text, data}
  let session = null;
  let constants = null;
  let selectedItem = -1;
  let paintPending = false;
  let paints = 0;
  // The modal boxes: the control a message is about while one is up, the
  // About box, the settings dialog's fields while it is up.
  let messageFor = null;
  let aboutOpen = false;
  let aboutReturn = null;
  let settingsFields = null;
  let listOpen = false;

  const KEY_ENTER = "Enter";

  // The page's language, "en" or "es" (the module chooses from ?lang= and the
  // browser's language), and its captions from captions.js, which is made
  // from the window's catalogue. A text without an entry shows as it is.
  let language = "es";
  function tr(text) {
    const table = (window.velquorCaptions || {})[language] || {};
    return Object.prototype.hasOwnProperty.call(table, text) ? table[text] : text;
  }
  function fill(pattern, ...args) {
    return pattern.replace(/%(\d)/g, (all, n) => (args[n - 1] !== undefined ? args[n - 1] : all));
  }

  // ---- Building the page from the templates ---------------------------------

  function place(element, c) {
    element.classList.add("control");
    element.style.left = `${c.left}px`;
    element.style.top = `${c.top}px`;
    element.style.width = `${c.width}px`;
    element.style.height = `${c.height}px`;
  }

  // A caption as it reads: "&" marks a mnemonic, "&&" stands for "&".
  function captionText(caption) {
    return caption.replace(/&(.)/g, "$1");
  }

  // The element of a control of the given kind, with its caption.
  function makeElement(c) {
    let element;
    switch (c.kind) {
      case "edit":
        element = document.createElement("input");
        element.type = "text";
        element.spellcheck = false;
        element.autocomplete = "off";
        break;
      case "button":
      case "default-button":
        element = document.createElement("button");
        element.type = "button";
        element.textContent = captionText(tr(c.caption));
        if (c.kind === "default-button") element.classList.add("default");
        element.addEventListener("click", () => command(c.id));
        break;
      case "group": {
        element = document.createElement("div");
        element.className = "group";
        const legend = document.createElement("span");
        legend.className = "legend";
        legend.textContent = tr(c.caption);
        element.append(legend);
        break;
      }
      case "tabs":
        element = createTabs();
        break;
      case "list":
        element = createList();
        break;
      case "icon":
        element = document.createElement("div");
        element.className = "icon sysmenu-button";
        break;
      case "label":
        // One line, centred on its height; a click focuses its buddy.
        element = document.createElement("label");
        element.className = "label";
        element.textContent = captionText(tr(c.caption));
        if (c.buddy) element.htmlFor = `c${c.buddy}`;
        break;
      default:
        element = document.createElement("div");
        element.className = c.kind === "updown" ? "updown" : "static";
        element.textContent = tr(c.caption);
        break;
    }
    return element;
  }

  function createControl(c) {
    const element = makeElement(c);
    place(element, c);
    // An icon takes its icon's size. The template's height of a drop-down
    // list is that of the open list; the closed box is as tall as its text.
    if (c.kind === "icon") element.style.width = element.style.height = "32px";
    if (c.kind === "list") {
      element.style.height = "";
      element.querySelector(".list-items").style.maxHeight = `${Math.max(c.height - 21, 16)}px`;
    }
    if (c.id >= 0) element.id = `c${c.id}`;
    element.dataset.kind = c.kind;
    if (!c.visible) element.classList.add("hidden");
    return element;
  }

  // The first control of the template lies on top of the others.
  function buildDialog(layout, into) {
    into.style.width = `${layout.width}px`;
    into.style.height = `${layout.height}px`;
    const made = [];
    layout.controls.forEach((c, index) => {
      const element = createControl(c);
      element.style.zIndex = String(layout.controls.length - index);
      into.append(element);
      made.push([c.id, element]);
    });
    return made;
  }

  // ---- The tab control ------------------------------------------------------

  function createTabs() {
    const element = document.createElement("div");
    element.className = "tabs";
    element.tabIndex = 0;
    element.setAttribute("role", "tablist");
    const page = document.createElement("div");
    page.className = "tab-page";
    const row = document.createElement("div");
    row.className = "tab-row";
    element.append(page, row);
    row.addEventListener("mousedown", (event) => {
      const tab = event.target.closest(".tab");
      if (tab) chooseTab(Number(tab.dataset.tab));
    });
    element.addEventListener("keydown", (event) => {
      if (event.key !== "ArrowLeft" && event.key !== "ArrowRight") return;
      event.preventDefault();
      chooseTab(velquorHost.currentTab() + (event.key === "ArrowLeft" ? -1 : 1));
    });
    return element;
  }

  function tabs() {
    return [...controls.get(constants.tabs).querySelectorAll(".tab")];
  }

  function chooseTab(index) {
    const all = tabs();
    if (index < 0 || index >= all.length || index === velquorHost.currentTab()) return;
    all.forEach((tab, i) => tab.setAttribute("aria-selected", String(i === index)));
    controls.get(constants.tabs).focus();
    session.tabChanged();
    showBands();
  }

  // ---- The drop-down list ---------------------------------------------------

  function createList() {
    const element = document.createElement("div");
    element.className = "list";
    element.tabIndex = 0;
    element.setAttribute("role", "combobox");
    element.setAttribute("aria-expanded", "false");
    const box = document.createElement("div");
    box.className = "list-box";
    const text = document.createElement("span");
    text.className = "list-text";
    const arrow = document.createElement("span");
    arrow.className = "list-arrow";
    box.append(text, arrow);
    const items = document.createElement("ul");
    items.className = "list-items";
    items.setAttribute("role", "listbox");
    items.hidden = true;
    element.append(box, items);
    box.addEventListener("mousedown", (event) => {
      event.preventDefault();
      element.focus();
      showList(!listOpen);
    });
    items.addEventListener("mousedown", (event) => event.preventDefault());
    items.addEventListener("click", (event) => {
      const item = event.target.closest("li");
      if (!item) return;
      showList(false);
      chooseItem(Number(item.dataset.index), true);
    });
    element.addEventListener("keydown", listKey);
    element.addEventListener("blur", () => showList(false));
    return element;
  }

  function listKey(event) {
    const step = { ArrowDown: 1, ArrowRight: 1, ArrowUp: -1, ArrowLeft: -1 }[event.key];
    if (event.altKey && (event.key === "ArrowDown" || event.key === "ArrowUp")) {
      event.preventDefault();
      showList(!listOpen);
    } else if (step !== undefined) {
      event.preventDefault();
      const next = Math.min(Math.max(selectedItem + step, 0), listItems.length - 1);
      if (next !== selectedItem) chooseItem(next, true);
    } else if (listOpen && (event.key === KEY_ENTER || event.key === "Escape")) {
      event.preventDefault();
      event.stopPropagation();
      showList(false);
    }
  }

  function showList(open) {
    const element = controls.get(constants.potentialList);
    if (!element) return;
    listOpen = open && !element.classList.contains("disabled");
    element.querySelector(".list-items").hidden = !listOpen;
    element.setAttribute("aria-expanded", String(listOpen));
  }

  function showSelectedItem() {
    const element = controls.get(constants.potentialList);
    const item = listItems[selectedItem];
    element.querySelector(".list-text").textContent = item ? item.text : "";
    element.querySelectorAll("li").forEach((li, i) => {
      li.classList.toggle("current", i === selectedItem);
      li.setAttribute("aria-selected", String(i === selectedItem));
    });
  }

  // A choice of the user's: the dialog hears of it, as the window's list
  // tells it of every item chosen.
  function chooseItem(index, byUser) {
    selectedItem = index;
    showSelectedItem();
    if (byUser) session.potentialChanged();
  }

  // ---- The window menu, message boxes and the About box ------------------

  function buildMenu() {
    const menu = document.getElementById("sysmenu");
    menu.replaceChildren();
    // The page's own entry: the address of the state on show.
    const link = document.createElement("div");
    link.className = "menu-item";
    link.id = "menu-link";
    link.tabIndex = -1;
    link.setAttribute("role", "menuitem");
    link.textContent = tr("Link");
    link.title = tr("Copies the address of what the page shows: a scenario in the link.");
    link.addEventListener("click", () => {
      closeMenu();
      copyLink();
    });
    menu.append(link, document.createElement("hr"));
    menuItems.forEach(({ command, text }, i) => {
      if (command === 0) {
        if (i > 0) menu.append(document.createElement("hr"));
        return;
      }
      const item = document.createElement("div");
      item.className = "menu-item";
      item.id = `menu-${command}`;
      item.tabIndex = -1;
      item.setAttribute("role", "menuitem");
      // "&About" underlines the letter after the ampersand.
      const amp = text.indexOf("&");
      if (amp >= 0 && amp + 1 < text.length) {
        const key = document.createElement("u");
        key.textContent = text[amp + 1];
        item.append(text.slice(0, amp), key, text.slice(amp + 2));
      } else {
        item.textContent = text;
      }
      item.addEventListener("click", () => {
        closeMenu();
        session.sysCommand(command);
      });
      menu.append(item);
    });
  }

  // ---- Scenarios in the address ---------------------------------------------------

  const SCENARIO = "#scenario=";

  function copyLink() {
    const url = `${location.origin}${location.pathname}${location.search}${SCENARIO}${encodeURIComponent(session.scenario())}`;
    history.replaceState(null, "", url);
    document.body.dataset.link = url;
    if (navigator.clipboard) navigator.clipboard.writeText(url).catch(() => {});
  }

  // A scenario in the address's fragment, opened as the window opens a file;
  // one that does not read is refused with a message, and nothing changes.
  function openFromAddress() {
    if (!location.hash.startsWith(SCENARIO)) return;
    let text;
    try {
      text = decodeURIComponent(location.hash.slice(SCENARIO.length));
    } catch {
      text = "";
    }
    const refused = text ? session.openScenario(text) : "not a scenario: the address does not read";
    if (refused) showMessage(document.body, fill(tr("The scenario was not opened: %1."), tr(refused)));
  }

  function openMenu(x, y) {
    const menu = document.getElementById("sysmenu");
    menu.style.left = `${x}px`;
    menu.style.top = `${y}px`;
    menu.hidden = false;
    const first = menu.querySelector(".menu-item");
    if (first) first.focus();
  }

  function closeMenu() {
    document.getElementById("sysmenu").hidden = true;
  }

  function closeMessage() {
    if (messageFor === null) return;
    const element = messageFor;
    messageFor = null;
    document.getElementById("message-layer").hidden = true;
    updateModality();
    // Back to the field that did not read, its text selected for retyping.
    element.focus();
    if (element.select) element.select();
    releaseTicks();
  }

  function closeAbout() {
    if (!aboutOpen) return;
    aboutOpen = false;
    document.getElementById("about-layer").hidden = true;
    updateModality();
    // The keyboard goes back to where it was before the box.
    const back = aboutReturn && aboutReturn.offsetParent !== null ? aboutReturn : controls.get(constants.predictor);
    aboutReturn = null;
    if (back) back.focus();
  }

  function buildAbout() {
    const layout = Module.aboutLayout();
    document.getElementById("about-title").textContent = tr(layout.title);
    const into = document.getElementById("about-client");
    for (const [id, element] of buildDialog(layout, into)) {
      if (id === constants.ok) {
        element.id = "about-ok";
        element.addEventListener("click", closeAbout);
      }
    }
  }

  // While a box is up, what lies behind it takes neither the mouse nor the
  // keyboard; a message over the settings dialog shuts that too.
  function updateModality() {
    document.getElementById("window").inert = messageFor !== null || aboutOpen || settingsFields !== null;
    document.getElementById("settings").inert = messageFor !== null;
  }

  // The ticks that waited while a handler's box was up: one is due now, as
  // the window's handler would run it once the box has gone.
  function releaseTicks() {
    if (messageFor !== null || settingsFields !== null) return;
    const waiting = [...heldTicks];
    heldTicks.clear();
    for (const timer of waiting) if (timers.has(timer)) session.timer(timer);
  }

  function showMessage(element, message) {
    showFieldTexts();
    messageFor = element;
    document.getElementById("message-text").textContent = message;
    document.getElementById("message-layer").hidden = false;
    updateModality();
    document.getElementById("message-ok").focus();
  }

  // ---- The settings dialog of the chosen potential ---------------------------

  // Opened by the dialog's handler of "Ajustes...", which returns at once:
  // OK and Cancel go to the session later.
  function openSettings(dialog) {
    document.getElementById("settings-title").textContent = tr(dialog.caption);
    document.getElementById("settings-formula").textContent = dialog.formula;
    const grid = document.getElementById("settings-fields");
    grid.replaceChildren();
    settingsFields = dialog.fields.map((field, i) => {
      const label = document.createElement("label");
      label.textContent = field.name;
      label.htmlFor = `setting-${i}`;
      const input = document.createElement("input");
      input.type = "text";
      input.id = `setting-${i}`;
      input.spellcheck = false;
      input.autocomplete = "off";
      input.value = field.text;
      if (!field.range) input.classList.add("formula");
      const range = document.createElement("span");
      range.className = "settings-range";
      range.textContent = field.range;
      grid.append(label, input, range);
      return input;
    });
    document.getElementById("settings-layer").hidden = false;
    updateModality();
    if (settingsFields.length > 0) {
      settingsFields[0].focus();
      settingsFields[0].select();
    }
  }

  function closeSettings() {
    settingsFields = null;
    document.getElementById("settings-layer").hidden = true;
    updateModality();
    const button = controls.get(constants.settingsButton);
    if (button) button.focus();
    releaseTicks();
  }

  function applySettings() {
    if (settingsFields === null) return;
    const answer = session.applySettings(settingsFields.map((input) => input.value));
    if (answer.message) {
      showMessage(settingsFields[answer.field] || settingsFields[0], answer.message);
      return;
    }
    closeSettings();
  }

  function cancelSettings() {
    if (settingsFields === null) return;
    session.cancelSettings();
    closeSettings();
  }

  // ---- The bands of the tabs ("Evolucion") ------------------------------------------

  // Each band's controls at their template's rectangles, from the top-left of
  // the plot. The dialog reads and writes them by their IDs as any other
  // control's; Enter in one of its fields runs the band's command.
  function buildBands(layouts) {
    for (const layout of layouts) {
      const element = document.createElement("div");
      element.id = `${layout.name}-band`;
      element.className = "band";
      element.dataset.enter = String(layout.enterCommand);
      element.hidden = true;
      for (const c of layout.controls) {
        const control = createControl(c);
        if (c.id >= 0) controls.set(c.id, control);
        element.append(control);
      }
      client.append(element);
      bands.push({ layout, element });
    }
  }

  function showBands() {
    for (const { layout, element } of bands) element.hidden = velquorHost.currentTab() !== layout.tab;
  }

  // ---- The table of the "Niveles" tab -------------------------------------------

  function buildLevelsPanel() {
    const panel = document.createElement("div");
    panel.id = "levels-panel";
    panel.className = "levels-panel";
    panel.hidden = true;
    const table = document.createElement("table");
    table.id = "levels-table";
    table.append(document.createElement("thead"), document.createElement("tbody"));
    panel.append(table);
    client.append(panel);
  }

  function fillLevelTable(columns, rows) {
    const table = document.getElementById("levels-table");
    const head = document.createElement("tr");
    for (const caption of columns) {
      const th = document.createElement("th");
      th.textContent = tr(caption);
      head.append(th);
    }
    table.tHead.replaceChildren(head);
    table.tBodies[0].replaceChildren(
      ...rows.map((row) => {
        const line = document.createElement("tr");
        for (const text of row) {
          const td = document.createElement("td");
          td.textContent = tr(text);
          line.append(td);
        }
        return line;
      }),
    );
  }

  // ---- Events of the page ---------------------------------------------------

  function command(id) {
    if (messageFor !== null || aboutOpen || settingsFields !== null) return;
    session.command(id);
  }

  function tick(id) {
    if (messageFor !== null || settingsFields !== null) {
      heldTicks.add(id);
      return;
    }
    session.timer(id);
  }

  function onKeyDown(event) {
    if (messageFor !== null || aboutOpen) {
      // A message or the About box keeps the keyboard: Enter and Escape close it.
      if (event.key === KEY_ENTER || event.key === "Escape" || event.key === " ") {
        event.preventDefault();
        if (messageFor !== null) closeMessage();
        else closeAbout();
      } else if (event.key === "Tab") {
        event.preventDefault();
      }
      return;
    }
    if (settingsFields !== null) {
      // Enter applies the settings, Escape cancels; a button takes its own Enter.
      if (event.key === "Escape") {
        event.preventDefault();
        cancelSettings();
      } else if (event.key === KEY_ENTER && !(event.target instanceof HTMLButtonElement)) {
        event.preventDefault();
        applySettings();
      }
      return;
    }
    if (!document.getElementById("sysmenu").hidden) {
      if (event.key === "Escape") closeMenu();
      if (event.key === KEY_ENTER && document.activeElement.classList.contains("menu-item")) {
        event.preventDefault();
        document.activeElement.click();
      }
      return;
    }
    if (event.key === "F1") {
      event.preventDefault();
      session.sysCommand(constants.aboutCommand);
    } else if (event.key === KEY_ENTER && !event.repeat) {
      // Enter runs the default button, unless a button has the focus: then
      // that button is pressed (the browser clicks it). In the fields of a
      // band it runs the band's command instead ("Aplicar" of "Evolucion").
      if (event.target instanceof HTMLButtonElement && event.target.closest("#client")) return;
      event.preventDefault();
      const band = event.target.closest(".band");
      if (band) {
        command(Number(band.dataset.enter));
        return;
      }
      const predictor = controls.get(constants.predictor);
      if (predictor && !predictor.disabled) command(constants.predictor);
    }
  }

  function connectPage() {
    for (const type of ["keydown", "beforeinput", "mousedown", "focusin", "paste"])
      document.addEventListener(type, showFieldTexts, true);
    document.addEventListener("keydown", onKeyDown, true);
    document.getElementById("message-ok").addEventListener("click", closeMessage);
    document.getElementById("settings-ok").addEventListener("click", applySettings);
    document.getElementById("settings-cancel").addEventListener("click", cancelSettings);
    const button = document.getElementById("sysmenu-button");
    button.addEventListener("click", (event) => {
      event.stopPropagation();
      const r = button.getBoundingClientRect();
      openMenu(r.left, r.bottom);
    });
    client.addEventListener("contextmenu", (event) => {
      event.preventDefault();
      openMenu(event.clientX, event.clientY);
    });
    document.addEventListener("mousedown", (event) => {
      if (!event.target.closest("#sysmenu")) closeMenu();
    });
  }

  // ---- Painting ---------------------------------------------------------------

  // The texts the dialog gives its fields reach the page once a display
  // frame (a search sets the energy box on every step, and every change
  // costs the browser a layout), and at once before anything the user does.
  // A long number shows its sign and first digits.
  const fieldTexts = new Map();
  function setFieldText(input, text) {
    if (fieldTexts.size === 0) requestAnimationFrame(showFieldTexts);
    fieldTexts.set(input, text);
  }
  function fieldText(input) {
    return fieldTexts.has(input) ? fieldTexts.get(input) : input.value;
  }
  function showFieldTexts() {
    for (const [input, text] of fieldTexts) {
      if (input.value === text) continue;
      input.value = text;
      if (document.activeElement !== input) input.setSelectionRange(0, 0);
      input.scrollLeft = 0;
    }
    fieldTexts.clear();
  }

  function paint() {
    paintPending = false;
    const pixels = session.paint();
    const width = session.frameWidth();
    const height = session.frameHeight();
    if (width > 0 && height > 0) {
      const rgba = new Uint8ClampedArray(pixels.buffer, pixels.byteOffset, pixels.length);
      context.putImageData(new ImageData(rgba, width, height), 0, 0);
    }
    describePicture();
    paints += 1;
    document.body.dataset.paints = String(paints);
    if (document.body.dataset.ready !== "1") {
      document.body.dataset.ready = "1";
      window.velquorFirstFrame = performance.now();
    }
  }

  // ---- What the dialog asks of its window ----------------------------------

  window.velquorHost = {
    // A caption the dialog puts together itself, in the page's language.
    caption(text) {
      return tr(text);
    },
    createFrame(width, height) {
      canvas.width = width;
      canvas.height = height;
      context.imageSmoothingEnabled = false;
    },
    // A timer faster than 50 ms animates: it ticks once a display frame.
    setTimer(id, milliseconds) {
      velquorHost.killTimer(id);
      const timer = {};
      if (milliseconds < 50) {
        const frame = () => {
          if (timers.get(id) !== timer) return;
          timer.frame = requestAnimationFrame(frame);
          tick(id);
        };
        timer.frame = requestAnimationFrame(frame);
      } else {
        timer.interval = setInterval(() => tick(id), milliseconds);
      }
      timers.set(id, timer);
      document.body.dataset.timers = [...timers.keys()].join(" ");
    },
    killTimer(id) {
      const timer = timers.get(id);
      if (timer) {
        clearInterval(timer.interval);
        cancelAnimationFrame(timer.frame);
      }
      timers.delete(id);
      heldTicks.delete(id);
      document.body.dataset.timers = [...timers.keys()].join(" ");
    },
    enableControl(id, enable) {
      const element = controls.get(id);
      if (!element) return;
      if ("disabled" in element) element.disabled = !enable;
      element.classList.toggle("disabled", !enable);
      element.setAttribute("aria-disabled", String(!enable));
    },
    invalidate() {
      if (paintPending) return;
      paintPending = true;
      requestAnimationFrame(paint);
    },
    insertTab(index, text) {
      const row = controls.get(constants.tabs).querySelector(".tab-row");
      const tab = document.createElement("div");
      tab.className = "tab";
      tab.setAttribute("role", "tab");
      tab.textContent = tr(text);
      const all = tabs();
      const at = index < 0 || index > all.length ? all.length : index;
      row.insertBefore(tab, all[at] || null);
      tabs().forEach((t, i) => {
        t.dataset.tab = String(i);
        t.id = `tab-${i}`;
      });
      if (!tabs().some((t) => t.getAttribute("aria-selected") === "true"))
        tab.setAttribute("aria-selected", "true");
      else if (!tab.hasAttribute("aria-selected")) tab.setAttribute("aria-selected", "false");
    },
    currentTab() {
      return tabs().findIndex((t) => t.getAttribute("aria-selected") === "true");
    },
    // A tab shown as chosen, without telling the dialog (a scenario's).
    selectTab(index) {
      tabs().forEach((tab, i) => tab.setAttribute("aria-selected", String(i === index)));
      showBands();
    },
    addListItem(text, data) {
      listItems.push({ text: tr(text), data });
      const li = document.createElement("li");
      li.textContent = tr(text);
      li.dataset.index = String(listItems.length - 1);
      li.setAttribute("role", "option");
      const list = controls.get(constants.potentialList);
      list.querySelector(".list-items").append(li);
      showSelectedItem();
      // The template's width was measured for a narrower font: the list grows
      // to its longest item, as in the window, so that every potential reads.
      const measure = document.createElement("canvas").getContext("2d");
      measure.font = getComputedStyle(list).font;
      const needed = Math.ceil(measure.measureText(tr(text)).width) + 3 + 16 + 2 + 4;
      if (needed > list.offsetWidth) list.style.width = `${needed}px`;
    },
    selectListItem(index) {
      chooseItem(index >= 0 && index < listItems.length ? index : -1, false);
    },
    selectedListItemData() {
      const item = listItems[selectedItem];
      return item ? item.data : -1;
    },
    controlText(id) {
      const element = controls.get(id);
      if (!element) return "";
      if (element instanceof HTMLInputElement) return fieldText(element);
      if (element.dataset.kind === "group") return element.querySelector(".legend").textContent;
      return element.textContent;
    },
    setControlText(id, text) {
      const element = controls.get(id);
      if (!element) return;
      if (element instanceof HTMLInputElement) {
        setFieldText(element, text);
      } else if (element.dataset.kind === "group") {
        element.querySelector(".legend").textContent = tr(text);
      } else {
        element.textContent = tr(text);
      }
    },
    dataEntryMessage(id, message) {
      showMessage(controls.get(id) || document.body, tr(message));
    },
    appendMenuItem(command, text) {
      menuItems.push({ command, text: tr(text) });
      buildMenu();
    },
    openWebAddress(address) {
      window.open(address, "_blank", "noopener,noreferrer");
    },
    setLevelTable(columns, rows) {
      fillLevelTable(columns, rows);
    },
    showLevelTable(shown) {
      document.getElementById("levels-panel").hidden = !shown;
    },
    runSettingsDialog(dialog) {
      openSettings(dialog);
    },
    runAboutBox() {
      if (!aboutOpen) aboutReturn = document.activeElement;
      aboutOpen = true;
      closeMenu();
      document.getElementById("about-layer").hidden = false;
      updateModality();
      document.getElementById("about-ok").focus();
    },
  };

  // ---- Screen readers ---------------------------------------------------------

  // Every control's name and description from the module's table; a
  // description is a hidden element the control points at.
  function nameControls() {
    const descriptions = document.getElementById("descriptions");
    for (const { id, name, description } of Module.accessibility()) {
      const element = controls.get(id);
      if (!element || element.dataset.kind === "text" || element.dataset.kind === "label") continue;
      if (element.dataset.kind === "group") element.setAttribute("role", "group");
      element.setAttribute("aria-label", captionText(tr(name)));
      const said = document.createElement("span");
      said.id = `description-${id}`;
      said.textContent = tr(description);
      descriptions.append(said);
      element.setAttribute("aria-describedby", said.id);
    }
  }

  // The picture in words, as it changes.
  function describePicture() {
    const said = session.plotDescription();
    if (canvas.getAttribute("aria-label") !== said) canvas.setAttribute("aria-label", said);
  }

  // The page's own texts in the page's language.
  function translatePage() {
    document.documentElement.lang = language;
    for (const element of document.querySelectorAll("[data-caption]")) element.textContent = tr(element.dataset.caption);
    for (const element of document.querySelectorAll("[data-caption-label]"))
      element.setAttribute("aria-label", tr(element.dataset.captionLabel));
  }

  // ---- A phone: the window scaled to the screen, the energy by touch ------------

  function fitToScreen() {
    const windowElement = document.getElementById("window");
    const stage = document.getElementById("stage");
    windowElement.style.transform = "";
    const width = windowElement.offsetWidth;
    const height = windowElement.offsetHeight;
    const room = document.documentElement.clientWidth - 2 * stage.offsetLeft;
    const scale = Math.min(1, room / width);
    windowElement.style.transform = scale < 1 ? `scale(${scale})` : "";
    stage.style.width = `${Math.floor(width * scale)}px`;
    stage.style.height = `${Math.floor(height * scale)}px`;
    document.body.dataset.scale = String(scale);
  }

  // On "Normal", a finger or the mouse dragged over the picture moves the
  // trial energy: the energy box takes the energy at that height, and
  // "Predictor" is pressed, as a person would type it and press.
  function connectDrag() {
    let dragging = false;
    const predictAt = (event) => {
      const r = canvas.getBoundingClientRect();
      const energy = session.energyAtRow(((event.clientY - r.top) / r.height) * canvas.height);
      const predictor = controls.get(constants.predictor);
      if (Number.isNaN(energy) || !predictor || predictor.disabled) return;
      setFieldText(controls.get(constants.energy), String(energy));
      showFieldTexts();
      command(constants.predictor);
    };
    canvas.addEventListener("pointerdown", (event) => {
      if (velquorHost.currentTab() !== 0 || event.button !== 0) return;
      dragging = true;
      canvas.setPointerCapture(event.pointerId);
      predictAt(event);
    });
    canvas.addEventListener("pointermove", (event) => {
      if (dragging) predictAt(event);
    });
    for (const type of ["pointerup", "pointercancel"]) canvas.addEventListener(type, () => (dragging = false));
  }

  // ---- Start-up -----------------------------------------------------------------

  function layOut() {
    const layout = Module.mainLayout();
    document.title = layout.title;
    document.getElementById("title").textContent = layout.title;
    for (const [id, element] of buildDialog(layout, client)) controls.set(id, element);
    buildBands(layout.bands);
    buildAbout();
  }

  function placeFrame() {
    const r = session.plotRect();
    canvas.style.left = `${r.left}px`;
    canvas.style.top = `${r.top}px`;
    canvas.style.width = `${r.right - r.left}px`;
    canvas.style.height = `${r.bottom - r.top}px`;
    const levels = document.getElementById("levels-panel");
    levels.style.left = `${r.left}px`;
    levels.style.top = `${r.top}px`;
    levels.style.width = `${r.right - r.left}px`;
    levels.style.height = `${r.bottom - r.top}px`;
    // A band lies over the top rows of the frame, which its picture leaves blank.
    for (const { layout, element } of bands) {
      element.style.left = `${r.left}px`;
      element.style.top = `${r.top}px`;
      element.style.width = `${r.right - r.left}px`;
      element.style.height = `${layout.height}px`;
    }
  }

  let Module = null;
  window.velquorReady = createVelquorCore().then((module) => {
    Module = module;
    window.velquorModule = module;
    constants = module.constants();
    language = module.chooseLanguage(new URLSearchParams(location.search).get("lang") || "", navigator.language || "");
    translatePage();
    layOut();
    nameControls();
    connectPage();
    connectDrag();
    session = new module.WebSession();
    window.velquorSession = session;
    buildLevelsPanel();
    session.start();
    placeFrame();
    showBands();
    openFromAddress();
    window.addEventListener("hashchange", openFromAddress);
    fitToScreen();
    window.addEventListener("resize", fitToScreen);
    // The first tab stop has the focus, as in the window.
    const first = [...client.querySelectorAll("button, input, [tabindex='0']")].find(
      (e) => e.offsetParent !== null && !e.disabled,
    );
    if (first) first.focus();
  });
})();
