#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/BaseWidget.h"
#include "gui/RootWidget.h"

namespace
{

// Writes its name into the list when it dies.
class CNamedWidget : public GUI::IBaseWidget
{
public:
    CNamedWidget(std::vector<std::string>& deleted, const char* name) : m_deleted(deleted), m_name(name) {}
    ~CNamedWidget() override { m_deleted.push_back(m_name); }

protected:
    std::vector<std::string>& m_deleted;    // the test's list
    const char*               m_name;
};

// Keeps a background by plain pointer and deletes it itself, as a screen
// may; the construction stops with an exception where asked to, after the
// background and a captioned button were made but not handed over.
class CScreenWithBackground : public CNamedWidget
{
public:
    CScreenWithBackground(std::vector<std::string>& deleted, const char* name, bool fail)
        : CNamedWidget(deleted, name), m_background(new CNamedWidget(deleted, "background"))
    {
        AddChild(new CNamedWidget(deleted, "child"));
        if (!fail)
            return;
        CNamedWidget* button = new CNamedWidget(deleted, "button");
        button->AddChild(new CNamedWidget(deleted, "caption"));
        throw 1;
    }
    ~CScreenWithBackground() override { delete m_background; }

private:
    CNamedWidget* m_background;             // owned by this screen, outside its children
};

} // namespace

TEST(UnownedWidgetsTest, WhatAnInterruptedBuildLeftIsDeletedOldestFirstAndTheTreeStays)
{
    std::vector<std::string> deleted;
    GUI::g_rootWidget.AddChild(new CNamedWidget(deleted, "in the tree"));
    new CNamedWidget(deleted, "menu");
    new CScreenWithBackground(deleted, "screen", false);
    EXPECT_THROW(new CScreenWithBackground(deleted, "half-built", true), int);
    ASSERT_EQ(deleted, (std::vector<std::string>{"half-built", "child"}));

    GUI::DeleteUnownedWidgets(GUI::g_rootWidget);
    EXPECT_EQ(deleted, (std::vector<std::string>{"half-built", "child", "menu", "background", "screen", "child",
                                                 "background", "button", "caption"}));
    ASSERT_EQ(GUI::g_rootWidget.m_children.size(), 1u);
    GUI::g_rootWidget.DeleteChildren();
    EXPECT_EQ(deleted.back(), "in the tree");
}

// A widget is deleted by its parent, or by the clean-up above, so one that was
// not made with new stops the program where it would be handed over.
TEST(UnownedWidgetsDeathTest, AWidgetNotMadeWithNewStopsTheProgramBeforeAnOwnerTakesIt)
{
    std::vector<std::string> deleted;
    CNamedWidget parent(deleted, "parent");
    CNamedWidget onStack(deleted, "on the stack");
    EXPECT_DEATH(parent.AddChild(&onStack), "a parent deletes its children");
    EXPECT_DEATH(GUI::DeleteUnownedWidgets(GUI::g_rootWidget), "only a widget made with new can be deleted");
    parent.AddChild(new CNamedWidget(deleted, "child"));
    EXPECT_TRUE(deleted.empty());
}
