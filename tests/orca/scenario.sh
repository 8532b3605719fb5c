# The steps a blind user takes through a whole reading, and what Orca must
# say after each. Sourced by orca_check.sh, which defines step and expect.
# The casting button has the focus as the window opens.

# The castings by name, as the reading tool has them from the model.
mapfile -t planets < <("$AZIVODER_READING" --seed 1 | sed -n 's/^Casting [1-8]: \([^,]*\),.*/\1/p')
[ "${#planets[@]}" -eq 8 ] || { echo "FAIL: $AZIVODER_READING named ${#planets[@]} castings" >&2; exit 1; }

expect start "Click to Find Position of ${planets[0]} push button"

# Each press is spoken as it happens; the focus stays on the button.
for k in 1 2 3 4 5 6 7 8; do
    step "press $k" Return
    expect "press $k" "Casting $k of 8, ${planets[k - 1]}: [A-Z][a-z]+.*, house ([1-9]|1[0-2])"
done
expect "press 8" "The reading is complete: Print opens the report"
last=$(sed -n "s/.*Casting 8 of 8, ${planets[7]}: \(.*\), house.*/\1/p" "$STEPS_DIR/press 8" | head -n 1)

# Flat review from the top of the window, line by line: the dots of every
# casting and the selected tab's figure are there once cast, not left out
# as if still hidden.
lines=()
for _ in $(seq 40); do lines+=(KP_Prior); done
step "flat review of the window" Insert+KP_Home "${lines[@]}"
for planet in "${planets[@]:1:3}" "${planets[@]:5}"; do # Ascendant and Mercury aside
    expect "flat review of the window" "$planet, line 4: (one dot|two dots)"
done
expect "flat review of the window" "^${last:-no figure was spoken}\$"
step "back to the casting button" KP_Up

# "Where am I" on the button: what comes next, and the last casting.
step "where am I on the casting button" KP_Enter
expect "where am I on the casting button" "Refresh: begin a new reading push button.*Casting 8 of 8, ${planets[7]}"

# Tab: Print, then the chart, read house by house with the arrows.
step "Tab to Print" Tab
step "Tab to the chart" Tab
expect "Tab to the chart" "Chart of the twelve houses"
expect "Tab to the chart" "House 1, Aries: ${planets[0]}"
step "Down in the chart" Down
expect "Down in the chart" "^House 2, Taurus: "
step "End of the chart" End
expect "End of the chart" "^House 12, Pisces: "
step "Up in the chart" Up
expect "Up in the chart" "^House 11, Aquarius: "

# The selected page tab: its casting, and its place among eight tabs.
step "Tab to the page tab" Tab
expect "Tab to the page tab" "${planets[7]} page tab"
expect "Tab to the page tab" "Casting 8 of 8, ${planets[7]}"
step "where am I on the page tab" KP_Enter
expect "where am I on the page tab" "8 of 8"
step "Left to the tab before" Left
expect "Left to the tab before" "${planets[6]} page tab"
expect "Left to the tab before" "Casting 7 of 8, ${planets[6]}"

# The page's significance box, line by line.
step "Tab to the significance" Tab
expect "Tab to the significance" "Significance"
for row in "Geomantic Figure Name" Keyword Day Element Quality Planet Sign "Body Part" Direction; do
    expect "Tab to the significance" "$row: [A-Z]"
done
step "Down in the significance" Down
# A wrapped line of the text: words, whatever the figure cast.
expect "Down in the significance" "[a-z]{2,}[,.;]? [a-z]{2,}"
step "Ctrl+Home in the significance" ctrl+Home
step_held "Ctrl+Right in the significance" Control_L Right 3
expect "Ctrl+Right in the significance" "^ ?[A-Za-z']+[,.]?$"

# The report says what it is and reads by line.
step "Print" alt+p
expect Print "Report of the reading"
step "Down in the report" Down Down
expect "Down in the report" "^Keyword : "
step "close the report" alt+F4

# Back to the casting button for the ninth press: the reset.
step_until "Shift+Tab back to the casting button" "Refresh: begin a new reading push button" 6 shift+Tab
expect "Shift+Tab back to the casting button" "Refresh: begin a new reading push button"
step "press 9" Return
expect "press 9" "A new reading begins"
step "where am I after the reset" KP_Enter
expect "where am I after the reset" "Click to Find Position of ${planets[0]} push button"

# The exit window: a dialog with its message, each field by name.
step "close the main window" alt+F4
expect "close the main window" "dialog"
fields=("Your Name" "Your Email Address" "Friend's Name" "Friend's Email Address")
for n in 1 2 3 4; do
    step "Tab to field $n" Tab
    expect "Tab to field $n" "${fields[n - 1]}"
done
step "Tab to the message" Tab
step "Tab to Refer" Tab
