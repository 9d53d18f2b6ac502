// The application message box: the scripted service tests use, and what a box
// does when no service can show it.

#include "platform/ui/message_box.h"

#include "platform/win/resources.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

namespace {

TEST(MessageBoxTest, WithoutAServiceNothingWaitsAndNothingIsAgreedTo)
{
    const struct {
        UINT type;
        int expected;
    } cases[] = {
        {MB_OK, IDOK},
        {MB_OK | MB_ICONEXCLAMATION, IDOK},
        {MB_YESNO | MB_ICONQUESTION, IDNO},
        {MB_YESNO, IDNO},
        {MB_OKCANCEL, IDCANCEL},
    };
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        const int answer = AfxMessageBox(CString("The folder:\n\nZ:\\x\n\nis invalid."), c.type, 0);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(answer, c.expected) << c.type;
        EXPECT_EQ(err, "Corvane: The folder:\n\nZ:\\x\n\nis invalid.\n") << c.type;
    }
}

TEST(MessageBoxTest, ScriptedBoxesAnswerInOrderAndRecordEachBox)
{
    ScriptedMessageBoxes boxes;
    boxes.QueueAnswer(IDYES);
    boxes.QueueAnswer(IDNO);
    EXPECT_EQ(AfxMessageBox(CString("first"), MB_YESNO | MB_ICONQUESTION, 0), IDYES);
    EXPECT_EQ(AfxMessageBox(CString("second"), MB_YESNO, 0), IDNO);
    // The queue is empty: the answer that lets nothing happen.
    EXPECT_EQ(AfxMessageBox(CString("third"), MB_YESNO, 0), IDNO);
    EXPECT_EQ(AfxMessageBox(CString("fourth")), IDOK);

    ASSERT_EQ(boxes.Boxes().size(), 4u);
    const std::array<const char*, 4> texts = {"first", "second", "third", "fourth"};
    const std::array<UINT, 4> types = {MB_YESNO | MB_ICONQUESTION, MB_YESNO, MB_YESNO, MB_OK};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(boxes.Boxes()[i].caption, "Corvane");
        EXPECT_EQ(boxes.Boxes()[i].text, texts[i]);
        EXPECT_EQ(boxes.Boxes()[i].nType, types[i]);
    }
}

TEST(MessageBoxTest, TheNewestServiceAnswersAndTheOlderOneComesBack)
{
    ScriptedMessageBoxes outer;
    {
        ScriptedMessageBoxes inner;
        AfxMessageBox(CString("to the inner"));
        EXPECT_EQ(inner.Boxes().size(), 1u);
    }
    AfxMessageBox(CString("to the outer"));
    ASSERT_EQ(outer.Boxes().size(), 1u);
    EXPECT_EQ(outer.Boxes()[0].text, "to the outer");
}

TEST(MessageBoxTest, ScopesEndingOutOfOrderLeaveNoDeadService)
{
    ScriptedMessageBoxes base;
    auto first = std::make_unique<ScriptedMessageBoxes>();
    auto second = std::make_unique<ScriptedMessageBoxes>();
    first.reset(); // ends before the newer one
    AfxMessageBox(CString("to the second"));
    EXPECT_EQ(second->Boxes().size(), 1u);
    second.reset();
    AfxMessageBox(CString("to the base"));
    ASSERT_EQ(base.Boxes().size(), 1u);
    EXPECT_EQ(base.Boxes()[0].text, "to the base");
}

constexpr UINT kPromptId = 4242;
constexpr StringResource kStrings[] = {{kPromptId, u"A prompt \u00e9"}};

TEST(MessageBoxTest, ByStringIdentifierShowsTheTableText)
{
    const ResourceModule* previous = AfxGetResourceModule();
    // The platform keeps a pointer to the module: it must outlive the test.
    static ResourceModule module;
    module.strings = kStrings;
    AfxSetResourceModule(module);
    ScriptedMessageBoxes boxes;
    boxes.QueueAnswer(IDOK);
    EXPECT_EQ(AfxMessageBox(kPromptId, MB_OK | MB_ICONEXCLAMATION), IDOK);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "A prompt \xC3\xA9");
    EXPECT_EQ(boxes.Boxes()[0].nType, MB_OK | MB_ICONEXCLAMATION);
    if (previous)
        AfxSetResourceModule(*previous);
}

} // namespace
