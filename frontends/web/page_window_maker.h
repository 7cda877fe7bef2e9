// Start-up's window making over the page: the three panels and every control, from the tables.
#pragma once

#include "app/start_up.h"
#include "frontends/web/web_ui.h"

namespace tallyrope {

class PageWindowMaker final : public WindowMaker {
  public:
    explicit PageWindowMaker(WebUi& ui) : ui_(ui) {}

    bool createWindows() override;
    void showMainWindow() override;

  private:
    WebUi& ui_;
};

} // namespace tallyrope
