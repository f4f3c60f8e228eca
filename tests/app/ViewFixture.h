// A fresh main view per test, with a scripted Ui and host and a folder holding the example files.
#pragma once

#include "TestFolder.h"

#include "app/CommandTable.h"
#include "app/HeadlessHost.h"
#include "app/VentrelView.h"
#include "dialogs/ElectrosDialog.h"
#include "dialogs/PipePositionDialog.h"
#include "dialogs/ValueDialog.h"
#include "platform/HeadlessUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace ventrel::test {

class ViewTest : public ::testing::Test {
protected:
    ViewTest();

    // Copies an example file into the test folder and returns its path there.
    std::filesystem::path Example(const std::string &name);
    // Copies the example organ and its chests.
    void ExampleOrgan();
    // Runs a command whose file dialog answers with the file of the test folder (or cancels).
    bool RunWithFile(int id, const std::string &name);
    bool RunCancelled(int id);
    // The texts of every message box shown so far.
    std::vector<std::string> MessageTexts() const;

    TestFolder m_folder;
    HeadlessUi m_ui;
    HeadlessHost m_host;
    std::unique_ptr<CVentrelView> m_view;
};

} // namespace ventrel::test
