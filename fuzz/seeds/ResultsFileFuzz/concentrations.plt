Monte Carlo
Type: Concentrations
Number of Terms: 20
Monte Carlo Simulation
Risk Assessment for Chemical Intakes
Intake of Chemicals via Drinking Water (mg/(kg-day))
Concentration of Chemical: 0.05 mg/l
Ingestion Rate (Ri): 2 l/day
Exposure Frequency (Fe): 350 day/yr
Exposure Duration (Dt): 30 yr
Body Weight (Wb): 70 kg
Average Time Period of Exposure: 25550 day
Length Unit: 
Time Unit: 
Concentration Unit: mg/l
Ingestion Unit: mg/(kg-day)
PLUMEX Data File Name: Not Specified
Risk Data File Name: data/SampleDat/drinking-water-monte-carlo.tvl

Chemical Intake: Monte Carlo Simulation
4.9958e-4
0.001202
2.8731e-4
0.001056
3.3558e-4
2.2904e-4
2.9995e-4
5.1687e-4
0.00119
5.6732e-4
2.9909e-4
4.7685e-4
8.406e-4
5.9484e-4
5.2142e-4
9.4064e-4
5.1824e-4
3.8923e-4
3.7157e-4
5.2574e-4
