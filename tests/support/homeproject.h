#pragma once
// The project "Home" that a first start creates, fresh for every test: a home folder kept for the whole test case
// and, for each test, a new application folder in which initDatabase() creates the project and opens its database.
//
//     void TestX::initTestCase() { m_project.useFreshHome(); }
//     void TestX::init() { m_project.start(); }
//     void TestX::cleanup() { m_project.close(); }

#include <QScopedPointer>
#include <QTemporaryDir>

class HomeProject
{
public:
    // Points HOME and the settings stores into the test case's home folder (testenv::useFreshHome).
    void useFreshHome();
    // A new application folder as gAppDirPath, logs kept 30 days, and the first start's project "Home" created,
    // current and open in gDatabase.
    void start();
    // Closes the project database.
    void close();

private:
    QTemporaryDir m_home;
    QScopedPointer<QTemporaryDir> m_app;
};
