#pragma once
// Categories and products from a CSV file with the header 분류,품명 (UTF-8
// with or without a byte-order mark, or CP949): what is missing is added,
// what is there is skipped; a product is there when its name is, whatever
// its category, as the basic information dialog finds it. All or nothing:
// any bad line refuses the whole file.

#include <string>
#include <string_view>

class Database;

class ProductsImport {
public:
    struct Counts {
        int categoriesAdded = 0, categoriesSkipped = 0;
        int productsAdded = 0, productsSkipped = 0;
    };

    // `dryRun` counts the same and writes nothing.
    static Counts Import(Database& db, std::string_view bytes, const std::string& file, bool dryRun);
    // The file's text in UTF-8; throws DeskFailure when it is neither.
    static std::string Text(std::string_view bytes, const std::string& file);
};
