// Prints every text the game can show or write, one a line in UTF-8, with
// the place it belongs to: the list a translation starts from.
#include <iostream>

#include "game_texts.h"

int main()
{
    std::cout << korvalin::gameTextListing();
    return std::cout ? 0 : 1;
}
