// The menus as screen readers and the keyboard know menus (the WAI-ARIA menu bar pattern): roles
// and states from the classes every menu uses (.menu-item, .has-menu, .menu, .context-menu), so a
// menu or item added to the page gets them too; arrow keys move inside a menu and open or close
// submenus, Home and End go to the ends, Escape closes the menu it is in.
'use strict';

const MenuKeys = (() => {
  const itemsOf = (menu) => [...menu.children].filter((e) => e.classList.contains('menu-item') && !e.hidden);
  const submenuOf = (item) => item.querySelector(':scope > .menu');
  const parentItemOf = (item) => item.parentElement.closest('.menu-item');
  const inMenuBar = (item) => item.parentElement.id === 'menuBar';

  // What takes the focus and speaks for an item: the item itself, or for an item with a submenu
  // its caption, so that the submenu's items are not read as part of its name.
  const entryOf = (item) => item.querySelector(':scope > .menu-caption') || item;

  // An item with a submenu: its caption text moves into a span of its own, which is the
  // menu item; the item around it and its submenu are no item of their own.
  function captionFor(item) {
    let caption = item.querySelector(':scope > .menu-caption');
    if (caption) return caption;
    caption = document.createElement('span');
    caption.className = 'menu-caption';
    for (const node of [...item.childNodes]) {
      if (node.nodeType !== Node.TEXT_NODE) continue;
      if (node.textContent.trim()) caption.append(node.textContent.trim());
      node.remove();
    }
    item.prepend(caption);
    return caption;
  }

  function describe(root) {
    for (const item of root.querySelectorAll('.menu-item')) {
      if (!item.classList.contains('has-menu')) {
        // An item that is a choice keeps its own role (menuitemradio, menuitemcheckbox).
        if (!/^menuitem/.test(item.getAttribute('role') || '')) item.setAttribute('role', 'menuitem');
        if (!inMenuBar(item)) item.tabIndex = -1;
        continue;
      }
      const caption = captionFor(item);
      item.setAttribute('role', 'none');
      item.removeAttribute('tabindex');
      caption.setAttribute('role', 'menuitem');
      caption.tabIndex = inMenuBar(item) ? 0 : -1;
      caption.setAttribute('aria-haspopup', 'menu');
      caption.setAttribute('aria-expanded', String(item.classList.contains('open')));
    }
    for (const menu of root.querySelectorAll('.menu')) {
      menu.setAttribute('role', 'menu');
      const owner = parentItemOf(menu);
      if (owner && !menu.hasAttribute('aria-label')) menu.setAttribute('aria-label', entryOf(owner).textContent.trim());
    }
  }

  function focusIn(menu, which) {
    const items = itemsOf(menu);
    const item = which === 'last' ? items[items.length - 1] : items[0];
    if (item) entryOf(item).focus();
  }

  function openAndEnter(item, which = 'first') {
    const submenu = submenuOf(item);
    if (!submenu) return;
    item.classList.add('open');
    focusIn(submenu, which);
  }

  function close(item) {
    item.classList.remove('open');
    for (const open of item.querySelectorAll('.open')) open.classList.remove('open');
  }

  function step(item, delta) {
    const items = itemsOf(item.parentElement);
    const next = items[(items.indexOf(item) + delta + items.length) % items.length];
    if (next) entryOf(next).focus();
    return next;
  }

  // The menu bar's item an item belongs to.
  function topOf(item) {
    let top = item;
    while (!inMenuBar(top)) top = parentItemOf(top);
    return top;
  }

  function acrossMenuBar(item, delta) {
    const top = topOf(item);
    const wasOpen = top.classList.contains('open');
    close(top);
    const next = step(top, delta);
    if (wasOpen && next && next.classList.contains('has-menu')) openAndEnter(next);
  }

  function inMenuBarKey(item, key) {
    const hasMenu = item.classList.contains('has-menu');
    if (key === 'ArrowRight' || key === 'ArrowLeft') acrossMenuBar(item, key === 'ArrowRight' ? 1 : -1);
    else if (key === 'Home' || key === 'End') step(itemsOf(item.parentElement)[key === 'Home' ? 0 : itemsOf(item.parentElement).length - 1], 0);
    else if (hasMenu && (key === 'ArrowDown' || key === 'Enter' || key === ' ')) openAndEnter(item);
    else if (hasMenu && key === 'ArrowUp') openAndEnter(item, 'last');
    else if (key === 'Escape' && item.classList.contains('open')) close(item);
    else return false;
    return true;
  }

  function inMenuKey(item, key) {
    const hasMenu = item.classList.contains('has-menu');
    const owner = parentItemOf(item);
    if (key === 'ArrowDown' || key === 'ArrowUp') step(item, key === 'ArrowDown' ? 1 : -1);
    else if (key === 'Home' || key === 'End') focusIn(item.parentElement, key === 'Home' ? 'first' : 'last');
    else if (hasMenu && (key === 'ArrowRight' || key === 'Enter' || key === ' ')) openAndEnter(item);
    else if (key === 'ArrowRight') acrossMenuBar(item, 1);
    else if (key === 'ArrowLeft' && owner && !inMenuBar(owner)) {
      close(owner);
      entryOf(owner).focus();
    } else if (key === 'ArrowLeft') acrossMenuBar(item, -1);
    else if (key === 'Escape' && owner) {
      close(owner);
      entryOf(owner).focus();
    } else return false;
    return true;
  }

  // The picture menu, a menu of its own: up and down, Escape back to the picture.
  function contextMenuKey(menu, item, key) {
    if (key === 'ArrowDown' || key === 'ArrowUp') step(item, key === 'ArrowDown' ? 1 : -1);
    else if (key === 'Home' || key === 'End') focusIn(menu, key === 'Home' ? 'first' : 'last');
    else if (key === 'Enter' || key === ' ') item.click();
    else if (key === 'Escape' || key === 'Tab') {
      menu.hidden = true;
      menu.dispatchEvent(new CustomEvent('menuclosed'));
    } else return false;
    return true;
  }

  function keydown(event) {
    if (event.altKey || event.ctrlKey || event.metaKey) return;
    const item = event.target.closest && event.target.closest('.menu-item');
    if (!item) return;
    const contextMenu = item.closest('.context-menu');
    const handled = contextMenu ? contextMenuKey(contextMenu, item, event.key)
        : inMenuBar(item) ? inMenuBarKey(item, event.key) : inMenuKey(item, event.key);
    if (!handled) return;
    event.preventDefault();
    event.stopPropagation();
  }

  function keepExpandedTrue(records) {
    for (const record of records) {
      const item = record.target;
      const caption = item.querySelector(':scope > .menu-caption');
      if (caption) caption.setAttribute('aria-expanded', String(item.classList.contains('open')));
    }
  }

  function setUp() {
    for (const root of [$('menuBar'), ...document.querySelectorAll('.context-menu')]) describe(root);
    $('menuBar').setAttribute('role', 'menubar');
    $('menuBar').setAttribute('aria-label', 'Menu');
    // Items added later get their roles as they come; aria-expanded follows the open class.
    new MutationObserver(keepExpandedTrue).observe($('menuBar'), { subtree: true, attributeFilter: ['class'] });
    new MutationObserver(() => describe($('menuBar'))).observe($('menuBar'), { subtree: true, childList: true });
    document.addEventListener('keydown', keydown, true);
  }

  return { setUp };
})();

function setUpMenuKeys() {
  MenuKeys.setUp();
}
