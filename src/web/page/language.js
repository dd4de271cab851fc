// View › Language: the language of the messages and the report headings, remembered in the
// browser between visits.
'use strict';

const kLanguageKey = 'qeb-vantrel.language';

// localStorage is refused on some file:// pages and in private windows: the choice then lasts
// for the visit only.
function rememberedLanguage() {
  try {
    return localStorage.getItem(kLanguageKey);
  } catch (refused) {
    return null;
  }
}

function rememberLanguage(code) {
  try {
    localStorage.setItem(kLanguageKey, code);
  } catch (refused) {
    // kept for this visit only
  }
}

function showLanguage(code) {
  for (const choice of $('languageChoices').children) {
    choice.setAttribute('aria-checked', String(choice.dataset.language === code));
    choice.classList.toggle('checked', choice.dataset.language === code);
  }
}

function chooseLanguage(code) {
  showLanguage(code);
  return ask('language', { code });
}

// `languages`: [{ code, name }] from the module, the program's own first; `current`: the session's.
function setUpLanguages(languages, current) {
  const menu = $('languageChoices');
  for (const { code, name } of languages) {
    const choice = document.createElement('div');
    choice.className = 'menu-item checkable';
    choice.id = `Mn_Language_${code}`;
    choice.setAttribute('role', 'menuitemradio');
    choice.tabIndex = 0;
    choice.dataset.language = code;
    choice.textContent = name;
    const pick = (event) => {
      event.stopPropagation();
      closeMenus();
      rememberLanguage(code);
      chooseLanguage(code);
    };
    choice.addEventListener('click', pick);
    choice.addEventListener('keydown', (event) => { if (event.key === 'Enter' || event.key === ' ') pick(event); });
    menu.append(choice);
  }
  // A remembered code this page does not offer (from a newer page) leaves the session's.
  const remembered = rememberedLanguage();
  if (remembered !== current && languages.some(({ code }) => code === remembered)) {
    return chooseLanguage(remembered);
  }
  showLanguage(current);
  return Promise.resolve();
}
