# Prints a replay script of at least `events` input records (awk -v events=N): the
# console reset to sizes from 10 x 40 up to the largest (299 work rows of 500 columns)
# between typing, paging deep into the design and back, rows inserted and deleted at
# column 1, undo and redo. bench/run replays it to measure peak memory.
function emit(line, count) { print line; n += count }
function key(name) { emit("key " name, 1) }
function type(text) { emit("type " text, length(text)) }
BEGIN {
  split("34 20 60 120 299 10 45", rows, " ")
  split("90 60 200 300 500 40 132", cols, " ")
  key("Space")  # past the title picture
  for (i = 0; n < events; ++i) {
    if (i % 10 == 0) {
      size = (i / 10) % 7 + 1
      key("Alt-Z"); type(rows[size]); key("Enter"); type(cols[size]); key("Enter")
    }
    type("line " i " of the design, typed where the cursor stands")
    key("Home"); key("Enter"); key("Down"); key("Del")
    for (p = 0; p < 3; ++p) key("PgDn")
    if (i % 50 == 49) for (p = 0; p < 100; ++p) key("PgUp")
    type("more text")
    key("Alt-U"); key("Alt-U"); key("Alt-V")
  }
}
