#pragma once

#include "app/form1_handlers.h"
#include "support/session_test.h"

namespace vantrel::test {

// The window model over the same session, loaded as the window loads it.
class HandlersTest : public SessionTest {
 protected:
  HandlersTest() { handlers.Form_Load(); }

  Form1Handlers handlers{ortak, form, workDir};
};

}  // namespace vantrel::test
