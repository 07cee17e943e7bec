Monte Carlo
Type: Concentrations
Number of Terms: 1
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
Risk Data File Name: data/SampleDat/drinking-water-input.tvl

Chemical Intake: 0.000587084148727984 mg/(kg-day)
