#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/TaskHandler.h"
#include "engine/Time.h"
#include "engine/Window.h"
#include "game/MenuBuilder.h"
#include "game/Valdmoor.h"
#include "gui/ModalDialog.h"
#include "gui/RootWidget.h"
#include "input/KeyMap.h"
#include "input/Keyboard.h"
#include "resources/ResourceManager.h"
#include "support/GLContext.h"

// The game's screens in a 600 by 480 window, with the generated assets of
// the build folder, a task handler and a resource manager. The mouse is
// driven by hand; queued tasks run when asked.
class ScreenFixture : public ::testing::Test
{
protected:
    // Each test starts with no saved game, settings or results, in player's
    // folders inside the test's temporary one, never in the real home.
    void SetUp() override
    {
        const char* temporary = std::getenv("TEST_TMPDIR");
        const std::string players = std::string(temporary ? temporary : "/tmp/") + "players";
        std::filesystem::remove_all(players);
        for (const char* folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
            setenv(folder, (players + "/" + folder).c_str(), 1);
        ASSERT_TRUE(OpenTestContext(600, 480));
        g_windowWidth = 600;
        g_windowHeight = 480;
    }

    void TearDown() override
    {
        GUI::g_rootWidget.DeleteChildren();
        GUI::g_rootWidget.m_hover = &GUI::g_rootWidget;
        GUI::g_rootWidget.m_hoverInside = false;
        while (!Input::Keyboard::KeyMapStack().empty())
            Input::Keyboard::PopKeyMap();
    }

    void RunQueuedTasks()
    {
        while (m_handler.QueuedCount() > 0)
            m_handler.Tick();
    }

    // Moves the handler's time on by seconds and ticks once, with a task of
    // no work standing in for the engine's repeating ones: the tick moves the
    // timed tasks now due into the run queue.
    void PassTime(double seconds)
    {
        m_handler.SetTime(ElapsedTime() + seconds);
        new Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Once, void (*)()>(+[] {});
        m_handler.Tick();
    }

    // A press and a release over one point, then what the click queued.
    void Click(float x, float y)
    {
        for (const bool left : { false, true, false })
        {
            GUI::UpdateMouseState(m_mouse, x, y, left, false, false);
            GUI::g_rootWidget.DispatchMouse(m_mouse);
        }
        RunQueuedTasks();
    }

    static std::vector<Input::Keyboard::CKeyMap*> KeyMaps()
    {
        const auto& stack = Input::Keyboard::KeyMapStack();
        return std::vector<Input::Keyboard::CKeyMap*>(stack.begin(), stack.end());
    }

    static std::vector<GUI::CModalDialog*> Dialogs(const GUI::IBaseWidget* screen)
    {
        std::vector<GUI::CModalDialog*> dialogs;
        for (GUI::IBaseWidget* child : screen->m_children)
            if (GUI::CModalDialog* dialog = dynamic_cast<GUI::CModalDialog*>(child))
                dialogs.push_back(dialog);
        return dialogs;
    }

    CTaskHandler     m_handler;
    CResourceManager m_resources;           // the pictures the screens load
    GUI::MouseState  m_mouse = {};          // the pointer as the widgets last saw it
};

// The whole game as the menu builder leaves it: the main menu shown, the game,
// the help, the difficulty menu and the credits behind it.
class GameFixture : public ScreenFixture
{
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        if (HasFatalFailure())
            return;
        BuildMenus();
        ASSERT_EQ(GUI::g_rootWidget.m_children.size(), 5u);
        m_menu = GUI::g_rootWidget.m_children[0];
        m_game = dynamic_cast<CValdmoor*>(GUI::g_rootWidget.m_children[1]);
        ASSERT_NE(m_game, nullptr);
    }

    // The first playable card of the mover, else a draw, else a skip, as a
    // person does it.
    void Act()
    {
        const CGameState& state = m_game->m_match.m_state;
        const PlayerState& mover = state.m_players[state.m_current];
        for (int slot = 0; slot < HandSize; ++slot)
        {
            if (mover.m_hand[slot] != NoCard && mover.m_playable[slot])
            {
                m_game->HumanPlayCard(state.m_current, slot);
                return;
            }
        }
        for (int slot = 0; slot < HandSize; ++slot)
        {
            if (mover.m_hand[slot] == NoCard)
            {
                m_game->HumanDrawCard();
                return;
            }
        }
        m_game->HumanSkipTurn();
    }

    // The frames of the king's slide after a card are timed tasks of their
    // own, timed by the clock on the wall; this lands the king and lets its
    // last frame run, so that only the game's own tasks wait.
    void LetTheKingLand()
    {
        m_game->m_slide.Land();
        PassTime(KingSlideSeconds);
        RunQueuedTasks();
    }

    // The game screen's open questions, the one opened last at the end.
    std::vector<std::string> Questions() const
    {
        std::vector<std::string> questions;
        for (const GUI::CModalDialog* dialog : Dialogs(m_game))
            questions.push_back(static_cast<GUI::CLabel*>(dialog->m_children[2])->m_text);
        return questions;
    }

    GUI::IBaseWidget* m_menu = nullptr;     // the main menu, owned by the root widget
    CValdmoor*        m_game = nullptr;     // the game screen, owned by the root widget
};
