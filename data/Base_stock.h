#pragma once

#include "data/option_store.h"

#include <QString>
#include <functional>

// The data module: reads the connection settings file "Ch.txt" of the current
// folder, shows its working-folder line and opens the one connection.
class TDataModule1
{
public:
    // showWorkingFolder receives line 2 of "Ch.txt" for the status bar.
    explicit TDataModule1(std::function<void(const QString &)> showWorkingFolder);

    // The start-up steps, stopping at the first failure (thrown as AppError or
    // DbError); the settings applied before the failure stay applied.
    void DataModuleCreate();

    OptionStore OPTION_CAISSE;

private:
    std::function<void(const QString &)> m_showWorkingFolder;
};
