#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scenegraph/Base.h"

namespace
{

std::vector<std::string> g_trace;           // the names of the nodes updated and destroyed, in order

struct CTracedNode : Scenegraph::IBase
{
    explicit CTracedNode(const char* name) : m_name(name) {}
    ~CTracedNode() override { g_trace.push_back(std::string("~") + m_name); }
    void Update(double) override { g_trace.push_back(m_name); }

    const char* m_name;                     // the node's name in the trace
};

} // namespace

TEST(NodeTest, TreeUpdatesDepthFirstInOrderAndDestroysTheLastAddedChildFirst)
{
    {
        CTracedNode root("root");
        CTracedNode* a = new CTracedNode("a");
        a->AddChild(new CTracedNode("a1"));
        root.AddChild(a);
        root.AddChild(new CTracedNode("b"));
        root.UpdateTree(0.5);
        EXPECT_EQ(g_trace, (std::vector<std::string>{"root", "a", "a1", "b"}));
        g_trace.clear();
    }
    EXPECT_EQ(g_trace, (std::vector<std::string>{"~root", "~b", "~a", "~a1"}));
}
