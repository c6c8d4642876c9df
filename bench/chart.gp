# The benchmark's chart: listedit / baseline per case, a bar each (green: at or below its goal, red:
# above it, grey: no goal), the goal a black mark, 1.0 (the baseline itself) dashed. Bars stop at
# 2.0 (the label still gives the ratio), so that one far case does not flatten the others.
#   gnuplot -e "data='out/bench.dat'; out='out/bench.png'" bench/chart.gp
stats data using 1 nooutput
n = STATS_records
set terminal pngcairo size 1100, 100 + 30 * n font "sans,9"
set output out
set title "listedit / baseline, median of back-to-back pairs (the goal marked)"
set xlabel "ratio"
cap = 2.0
bar(r) = r > cap ? cap : r
set xrange [0:cap + 0.3]
set yrange [n - 0.5:-0.5]
set ytics nomirror
set grid xtics
set key off
set lmargin 58
set arrow from 1, graph 0 to 1, graph 1 nohead dt 2 lc rgb "#555555"

plot data using (bar($2) / 2):1:(0):(bar($2)):($1 - 0.35):($1 + 0.35):(valid(3) ? ($2 <= $3 ? 0x3a9a3a : 0xc83232) : 0x999999):ytic(4) \
         with boxxyerror fs solid 0.8 noborder lc rgb variable, \
     data using 3:($1 - 0.45):(0):(0.9) with vectors nohead lw 3 lc rgb "black", \
     data using (bar($2)):1:(sprintf(" %.2f", $2)) with labels left
