#pragma once

#include "data/option_store.h"
#include "data/run_state.h"

// The main window's state of the run, as the other windows see it, for tests.
class FakeRunState : public RunState
{
public:
    QString station = QStringLiteral("DISK-TEST");
    QString userKey;
    QString userName;
    OptionStore store;
    bool discountWindow = false;
    bool printAfterValidation = false;
    bool printPreview = false;
    bool administratorButtons = false;
    int endProgramCalls = 0;

    QString stationIdentifier() const override { return station; }
    QString currentUserKey() const override { return userKey; }
    void setCurrentUser(const QString &key, const QString &name) override
    {
        userKey = key;
        userName = name;
    }
    OptionStore &options() override { return store; }
    void setAfterValidationOptions(bool discount, bool print, bool preview) override
    {
        discountWindow = discount;
        printAfterValidation = print;
        printPreview = preview;
    }
    void enableAdministratorButtons() override { administratorButtons = true; }
    double basketSum() const override { return 0; }
    void validateBasketWith(double, double) override { }
    void printReceiptAfterValidation() override { }
    void endProgram() override { ++endProgramCalls; }
};
