#pragma once

#include <QString>

class OptionStore;

// What the other windows may read or do of the main window's state of the run.
// The main window implements it; tests give a fake.
class RunState
{
public:
    virtual ~RunState() = default;

    virtual QString stationIdentifier() const = 0;
    virtual QString currentUserKey() const = 0; // the logged-in user's CLE_USER as text, empty before login

    // The login fills the state: user key and name, options, administrator's buttons.
    virtual void setCurrentUser(const QString &userKey, const QString &userName) = 0;
    virtual OptionStore &options() = 0;
    virtual void setAfterValidationOptions(bool discountWindow, bool printAfterValidation, bool printPreview) = 0;
    virtual void enableAdministratorButtons() = 0;

    // The checkout's basket, for the discount window: its sum; its validation with a
    // discount and the amount paid for the whole basket (the checkout's one
    // validation, which then resets the basket); the receipt print that follows a
    // validation when the option says so.
    virtual double basketSum() const = 0;
    virtual void validateBasketWith(double discount, double paid) = 0;
    virtual void printReceiptAfterValidation() = 0;

    // Ends the program without the quit question.
    virtual void endProgram() = 0;
};
