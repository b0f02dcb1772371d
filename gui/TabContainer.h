#pragma once

#include <vector>

#include "gui/BaseWidget.h"

namespace GUI
{

class CTabScreen;

// Pages under a strip of headers, one header per page along the top edge.
// The first child is always the page shown, the headers follow in page
// order; a page not shown is kept in m_tabs only.
class CTabContainer : public IBaseWidget
{
public:
    CTabContainer(int x, int y, int width, int height);    // no page yet
    ~CTabContainer() override;              // deletes the pages not shown, which are not children

    void AddTab(CTabScreen* page);          // takes ownership; the first page added is shown
    void SelectTab(unsigned short index);   // an index past the last page does nothing

    std::vector<CTabScreen*> m_tabs;        // every page, in the order added; owned
};

} // namespace GUI
