// Morvane program documents tests.
// The windows of a run without any: answers given beforehand, everything asked recorded.
#include "app/documents/QuietUserInterface.h"

#include <gtest/gtest.h>

TEST(QuietUserInterfaceTest, AnswersFileDialogsInOrderThenCancelsAndRecordsWhatWasAsked)
{
    CQuietUserInterface quiet;
    quiet.QueueFileAnswer("/styles/shirt.dxf");
    quiet.QueueFileAnswer(std::nullopt);
    quiet.QueueFileAnswer("/images");
    IFileChooser &chooser = quiet.GetFileChooser();

    FileDialogRequest request;
    request.title = "Open";
    EXPECT_EQ(chooser.ChooseFileToOpen(request), std::filesystem::path("/styles/shirt.dxf"));
    EXPECT_EQ(chooser.ChooseFileToSave(request), std::nullopt);
    EXPECT_EQ(chooser.ChooseFolder("Images", "/home"), std::filesystem::path("/images"));
    EXPECT_EQ(chooser.ChooseFileToOpen(request), std::nullopt) << "no answer left: cancelled";
    ASSERT_EQ(quiet.GetFileRequests().size(), 4u);
    EXPECT_EQ(quiet.GetFileRequests()[2].initialFolder, "/home");
}

TEST(QuietUserInterfaceTest, AnswersQuestionsAsSetAndKeepsMessagesApart)
{
    CQuietUserInterface quiet;
    IPrompt &prompt = quiet.GetPrompt();
    EXPECT_EQ(prompt.AskYesNoCancel("Save?"), PromptAnswer::Yes);
    quiet.SetAnswer(PromptAnswer::Cancel);
    prompt.ShowMessage("cannot read a.msk", MessageIcon::Stop);
    EXPECT_EQ(prompt.AskYesNoCancel("Save again?"), PromptAnswer::Cancel);
    quiet.GetOptionsDialog().ShowOptionsDialog();
    quiet.GetImageWindow().ShowImage("/images/chest.jpg");

    EXPECT_EQ(quiet.GetQuestions(), (std::vector<std::string>{"Save?", "Save again?"}));
    EXPECT_EQ(quiet.GetMessages(), std::vector<std::string>{"cannot read a.msk"});
    EXPECT_EQ(quiet.GetShown()[1].icon, MessageIcon::Stop);
    EXPECT_EQ(quiet.GetOptionsDialogCount(), 1);
    EXPECT_EQ(quiet.GetShownImages(), std::vector<std::filesystem::path>{"/images/chest.jpg"});
}
