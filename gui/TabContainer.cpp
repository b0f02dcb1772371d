#include "gui/TabContainer.h"

#include "engine/Callables.h"
#include "gui/Label.h"
#include "gui/TabHeader.h"
#include "gui/TabScreen.h"

namespace GUI
{

namespace
{

typedef CTabHeader<Closure1<CTabContainer, unsigned short>> Header;

const int kStripHeight = 32;                // pixels above the pages, where the headers sit
const int kHeaderWidth = 128;
const int kHeaderPitch = 133;               // header width and a 5-pixel gap

} // namespace

CTabContainer::CTabContainer(int x, int y, int width, int height) : IBaseWidget(x, y, width, height) {}

// The shown page is a child and dies with the headers in the base destructor.
CTabContainer::~CTabContainer()
{
    for (CTabScreen* page : m_tabs)
        if (m_children.empty() || page != m_children.front())
            delete page;
    m_tabs.clear();
}

void CTabContainer::AddTab(CTabScreen* page)
{
    page->m_left = m_left;
    page->m_right = m_right;
    page->m_bottom = m_bottom;
    page->m_top = m_top - kStripHeight;
    page->m_parent = this;
    m_tabs.push_back(page);
    const int count = static_cast<int>(m_tabs.size());
    const unsigned short index = static_cast<unsigned short>(count - 1);
    if (index == 0)
        AddChild(page);

    Header* header = new Header(m_left + kHeaderPitch * count - kHeaderWidth, m_top - kStripHeight, kHeaderWidth,
                                kStripHeight, "Assets/tabvisible.tga", "Assets/tabhidden.tga",
                                "Assets/tabhiddenover.tga",
                                Closure1<CTabContainer, unsigned short>(this, &CTabContainer::SelectTab, index));
    header->AddChild(new CLabel(page->m_title));
    header->Layout();
    AddChild(header);
    if (index == 0)
        header->Activate();
}

// The page's parent already is this container.
void CTabContainer::SelectTab(unsigned short index)
{
    if (index >= m_tabs.size())
        return;
    m_children.front() = m_tabs[index];
}

} // namespace GUI
