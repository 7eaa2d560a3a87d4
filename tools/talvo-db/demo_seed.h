#pragma once

// Fills an empty database the way the back office and the counter stations would
// for a demonstration: users, cash registers, and counter sales of today and of
// earlier days with their lines, some of them already validated.
// Runs on the open connection of Database::instance(); throws DbError.
void seedDemoData();

// The demo users, for the README and the tests.
namespace DemoUsers {
inline constexpr const char *adminName = "admin";
inline constexpr const char *adminPassword = "1234";
inline constexpr const char *cashierName = "caissier";
inline constexpr const char *cashierPassword = "0000";
inline constexpr const char *blockedName = "ancien";
} // namespace DemoUsers
