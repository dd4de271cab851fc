// The module's entry points for the page's worker: plain C calls taking and returning UTF-8
// text, so the page needs no binding layer. The worker holds the session it created and passes
// it to every call; a returned text stays valid until that session's next call.
#include <emscripten/emscripten.h>

#include <string>

#include "web/page_session.h"

using vantrel::web::PageSession;

namespace {

const char* keep(PageSession* session, std::string text) {
  return session->keepReply(std::move(text));
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE PageSession* vantrel_create(const char* workDir) {
  return new PageSession(workDir);
}

EMSCRIPTEN_KEEPALIVE const char* vantrel_state(PageSession* session) {
  return keep(session, session->stateJson());
}

EMSCRIPTEN_KEEPALIVE const char* vantrel_act(PageSession* session, const char* handler,
                                             const char* argument) {
  return keep(session, session->act(handler, argument));
}

EMSCRIPTEN_KEEPALIVE const char* vantrel_lesson(PageSession* session, const char* actions) {
  return keep(session, session->lesson(actions));
}

EMSCRIPTEN_KEEPALIVE const char* vantrel_link(PageSession* session) {
  return keep(session, session->linkJson());
}

EMSCRIPTEN_KEEPALIVE void vantrel_set_text(PageSession* session, const char* box,
                                           const char* text) {
  session->setText(box, text);
}

EMSCRIPTEN_KEEPALIVE void vantrel_select(PageSession* session, const char* option) {
  session->select(option);
}

EMSCRIPTEN_KEEPALIVE void vantrel_set_language(PageSession* session, const char* code) {
  session->setLanguage(code);
}

EMSCRIPTEN_KEEPALIVE const char* vantrel_languages(PageSession* session) {
  return keep(session, PageSession::languagesJson());
}

EMSCRIPTEN_KEEPALIVE void vantrel_restore(PageSession* session, const char* stateJson) {
  session->restoreControls(stateJson);
}

EMSCRIPTEN_KEEPALIVE const char* vantrel_picture(PageSession* session, const char* picture,
                                                 double width, double height, int axes,
                                                 double scale) {
  return keep(session, session->pictureJson(picture, width, height, axes != 0, scale));
}

EMSCRIPTEN_KEEPALIVE const char* vantrel_screen_airfoil(PageSession* session) {
  return keep(session, session->screenAirfoilJson());
}

EMSCRIPTEN_KEEPALIVE const char* vantrel_airfoils(PageSession* session, const char* request) {
  return keep(session, session->airfoilsJson(request));
}

EMSCRIPTEN_KEEPALIVE const char* vantrel_panel(PageSession* session, const char* request) {
  return keep(session, session->panelJson(request));
}
}
