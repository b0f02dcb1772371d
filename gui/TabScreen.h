#pragma once

#include <string>

#include "gui/BaseWidget.h"

namespace GUI
{

// One page of a tab container: a grey panel holding the page's content. Its
// rectangle is set by the container; pages are switched, never hidden.
class CTabScreen : public IBaseWidget
{
public:
    explicit CTabScreen(const std::string& title);    // edges 0 until the container places it

    bool Draw() override;                   // the grey panel with its outline

    std::string m_title;                    // the caption of the page's header
};

} // namespace GUI
