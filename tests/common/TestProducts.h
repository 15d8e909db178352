#pragma once
// The products of the test packages installed in the test prefix.
//
// Every test program that holds the msi lock links TestProducts.cpp (see
// quandel_gtest), which makes it start and end without them: before its
// tests, what an earlier, killed test left installed is removed; after its
// tests, anything still installed fails the program and is removed.
//
// The test packages are known by the GUID prefix of their UpgradeCode,
// listed in TestProducts.cpp: a new family of test packages adds its prefix
// there.
#include <string>
#include <vector>

struct TestProduct
{
    std::wstring code;   // ProductCode
    std::wstring name;   // ProductName
};

// The installed products of the test packages.
std::vector<TestProduct> InstalledTestProducts();

// Removes every installed product of the test packages; what is still
// installed afterwards.
std::vector<TestProduct> RemoveInstalledTestProducts();

// "name {code}; name {code}" for messages.
std::wstring ProductList(const std::vector<TestProduct>& products);
