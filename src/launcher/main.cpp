// Ambler's entry point. Linked as a GUI program: no console window opens.

int main() { return 0; }
