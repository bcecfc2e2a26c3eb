// SPDX-License-Identifier: MIT
// The program of a layer's link check: linking it is the check.
int main() {
    return 0;
}
