#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdint>
#include <string>

#include "engine/Log.h"
#include "resources/Mesh.h"
#include "resources/ResourceHandle.h"
#include "resources/Texture.h"
#include "support/GLContext.h"
#include "tests/resources/TestFiles.h"

namespace
{

using TextureHandle = CResourceHandle<CTextureObject>;

const TextureOptions kPlain{false};
const TextureOptions kMipmapped{true};
const std::string kHtmlHead = "<html><body style=\"font: 12px Verdana, sans-serif;\">\n";

// Each test gets a fresh manager and fresh logs; its handles live in the
// test body, so they are gone before TearDown deletes the manager.
class ResourceManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTestContext());
        g_generalLog.Open((m_dir + "general.log").c_str());
        g_engineLog.Open((m_dir + "engine.html").c_str());
        new CResourceManager();
    }

    void TearDown() override
    {
        delete CResourceManager::Instance();
        g_generalLog.Open("/dev/null");
        g_engineLog.Open("/dev/null");
    }

    // One row of black pixels, 24 bits each, or 8 bits, which the reader refuses.
    std::string Picture(const char* name, int width = 1, char depth = 24) const
    {
        return WriteFile(m_dir + name, std::string("\0\0\2\0\0\0\0\0\0\0\0\0", 12) + static_cast<char>(width & 0xFF) +
                                           static_cast<char>(width >> 8) + std::string("\1\0", 2) + depth + '\0' +
                                           std::string(width * 3, '\0'));
    }

    std::string GeneralLog() const { return ReadFile(m_dir + "general.log"); }
    std::string EngineLog() const { return ReadFile(m_dir + "engine.html"); }

    static std::uint16_t Count(const TextureHandle& handle) { return handle.m_position->second->m_refCount; }

    const std::string m_dir = ::testing::TempDir();  // the test's pictures and logs
};

} // namespace

// A second request ignores its options; an assignment moves one reference.
// Released completely, the file is read and logged again.
TEST_F(ResourceManagerTest, HandlesOfOneNameShareOneObjectReadAndLoggedOnce)
{
    const std::string card1 = Picture("card1_1.tga"), card2 = Picture("card1_2.tga");
    const std::string loaded = card1 + " loaded succesfully.\n" + card2 + " loaded succesfully.\n";
    {
        TextureHandle gameCard1, gameCard2, button;
        gameCard1.Load(card1.c_str(), kMipmapped);
        gameCard2.Load(card2.c_str(), kMipmapped);
        button.Load(card2.c_str(), kPlain);
        ASSERT_NE(gameCard2.m_resource, nullptr);
        EXPECT_EQ(button.m_resource, gameCard2.m_resource);
        EXPECT_EQ(Count(gameCard2), 2);
        button = gameCard1;
        EXPECT_EQ(button.m_resource, gameCard1.m_resource);
        EXPECT_EQ(Count(gameCard1), 2);
        EXPECT_EQ(Count(gameCard2), 1);
        EXPECT_TRUE(gameCard2.m_resource->width == 1 && gameCard2.m_resource->pixels);
        EXPECT_EQ(GeneralLog(), loaded);
    }
    TextureHandle again;
    again.Load(card1.c_str(), kPlain);
    EXPECT_EQ(GeneralLog(), loaded + card1 + " loaded succesfully.\n");
}

// The extension is the text after the last dot, compared case-sensitively;
// an empty name fails without a word.
TEST_F(ResourceManagerTest, FailedLoadsLogTheirCauseAndLeaveNothingBehind)
{
    const std::string capitals = Picture("king.TGA");
    const std::string missing = m_dir + "missing.tga";
    const std::string grey = Picture("grey.tga", 1, 8);
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    ASSERT_LT(largest, 65535);
    const std::string wide = Picture("wide.tga", largest + 1);
    for (const std::string& name : {std::string(), capitals, std::string("king"), std::string("pictures.d/king"),
                                    missing, grey, wide})
    {
        TextureHandle handle;
        handle.Load(name.c_str(), kPlain);
        EXPECT_EQ(handle.m_resource, nullptr) << name;
    }
    EXPECT_EQ(GeneralLog(), "Error: Couldn't find a loader for " + capitals +
                                "\nError: Couldn't find a loader for king"
                                "\nError: Couldn't find a loader for pictures.d/king"
                                "\nError: Couldn't read file " + missing +
                                "\nError: " + grey + ": 8-bit pixels are not supported"
                                "\nError: Couldn't load resource data from " + grey +
                                "\nError: " + grey + " could not be created."
                                "\nError: " + wide + ": " + std::to_string(largest + 1) +
                                " by 1 pixels is more than the graphics card holds (" + std::to_string(largest) +
                                " a side)"
                                "\nError: Couldn't load resource data from " + wide +
                                "\nError: " + wide + " could not be created.\n");
    delete CResourceManager::Instance();
    EXPECT_EQ(EngineLog(), kHtmlHead + "<div style='color: red; background-color: #EAAD98'>File " + missing +
                               " doesn't exist.</div><br>\n");
}

// "B.tga" lost its last reference through an assignment, which leaves the
// entry for the report.
TEST_F(ResourceManagerTest, OrphanReportNamesEveryEntryInBytewiseOrderAsOneWarning)
{
    CResourceManager* manager = CResourceManager::Instance();
    CResourceManager::Position position;
    for (const char* name : {"b.tga", "a.tga"})
        ASSERT_TRUE(manager->GetResource<CTextureObject>(Picture(name).c_str(), kPlain, position));
    TextureHandle button;
    button.Load(Picture("B.tga").c_str(), kPlain);
    button = TextureHandle();
    delete manager;
    const std::string tab = "&nbsp;&nbsp;&nbsp;&nbsp;";
    EXPECT_EQ(EngineLog(), kHtmlHead +
                               "<div style='color: blue; background-color: #94A5FC'>3 orphaned resource(s) found. "
                               "These will now be deleted.<br>Resource filenames:<br>" +
                               tab + m_dir + "B.tga<br>" + tab + m_dir + "a.tga<br>" + tab + m_dir + "b.tga<br>"
                               "</div><br>\n");
}

TEST_F(ResourceManagerTest, CountThatReachesItsCeilingKeepsTheEntryUntilShutdown)
{
    const std::string card = Picture("card3_1.tga");
    CResourceManager* manager = CResourceManager::Instance();
    CResourceManager::Position position;
    for (int i = 0; i < 65536; ++i)
        ASSERT_TRUE(manager->GetResource<CTextureObject>(card.c_str(), kPlain, position));
    EXPECT_EQ(position->second->m_refCount, 65535);
    for (int i = 0; i < 65536; ++i)
        manager->ReleaseResource(position);
    TextureHandle handle;
    handle.Load(card.c_str(), kPlain);
    EXPECT_EQ(GeneralLog(), card + " loaded succesfully.\n");
}

TEST_F(ResourceManagerTest, MeshesLoadThroughThe3dsLoader)
{
    const std::string empty = WriteFile(m_dir + "empty.3ds", std::string("\x4D\x4D\x06\x00\x00\x00", 6));
    const std::string text = WriteFile(m_dir + "text.3ds", "not a mesh");
    CResourceHandle<CMeshObject> mesh, notAMesh;
    mesh.Load(empty.c_str(), MeshOptions{});
    notAMesh.Load(text.c_str(), MeshOptions{});
    EXPECT_NE(mesh.m_resource, nullptr);
    EXPECT_EQ(notAMesh.m_resource, nullptr);
    EXPECT_EQ(GeneralLog(), empty + " loaded succesfully.\nError: Couldn't load resource data from " + text +
                                "\nError: " + text + " could not be created.\n");
}

// The extension chooses the loader, so a handle of another type would take
// a texture for a mesh: the check stops the program before anything is read.
using ResourceManagerDeathTest = ResourceManagerTest;

TEST_F(ResourceManagerDeathTest, AHandleOfAnotherTypeThanItsExtensionBuildsStopsAtTheCheck)
{
    const std::string picture = Picture("picture.tga");
    CResourceHandle<CMeshObject> mesh;
    EXPECT_DEATH(mesh.Load(picture.c_str(), MeshOptions{}), "ObjectType.. == typeid.T.");
}
